#pragma once

#include <QWidget>

class QLabel;

// The reading window shown while a tab change reads its sheet: caption
// "TARN/B", no border icons, one label "參數讀取中...".
class TReadpmForm : public QWidget {
    Q_OBJECT
public:
    explicit TReadpmForm(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;

    void RetranslateUi();

protected:
    void changeEvent(QEvent* event) override;
};
