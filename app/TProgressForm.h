#pragma once

#include <QWidget>
#include <functional>

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

// Shows a progress window with its bar at 0 for one run and hides it
// however the run ends: the window has no close box, so one left up by an
// error would stay on screen.
class ProgressShown {
public:
    explicit ProgressShown(TProgressForm* form);
    ~ProgressShown();
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

    // Sets the bar (0..100); for the runs' progress callbacks.
    std::function<void(int percent)> Bar() const;

private:
    TProgressForm* form_;
};
