#pragma once

#include <QWidget>

class QProgressBar;

// A small caption-only window with one progress bar from 0 to 100: the
// common shape of the save and load progress windows. It has no behaviour
// of its own; the save and load runs show it, set the bar and hide it.
class TProgressForm : public QWidget {
    Q_OBJECT
public:
    TProgressForm(const QString& caption, int left, int top, QWidget* parent);

    QProgressBar* ProgressBar1 = nullptr;
};
