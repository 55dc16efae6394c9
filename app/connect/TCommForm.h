#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The connect dialog: the first window the user sees. OK opens the chosen
// COM port, greets the drive and shows the main window; closing the dialog
// by its close box ends the program.
class TCommForm : public QWidget {
    Q_OBJECT
public:
    explicit TCommForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    // The device the chosen number opens, "（不存在）" after it when missing.
    QLabel* Label2 = nullptr;
    QPushButton* btnConnect = nullptr;

public slots:
    // Opens COM n for the selected item n and greets the drive. A port that
    // cannot be opened throws ECommError before anything else changes but
    // CommPort: the dialog stays and another number may be tried.
    void btnConnectClick();

    // Shows the device of the selected item under the list.
    void ComboBox1Change();

protected:
    void closeEvent(QCloseEvent* event) override;
};
