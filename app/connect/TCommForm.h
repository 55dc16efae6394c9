#pragma once

#include "link/LinkSettings.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The connect dialog: the first window the user sees. OK opens the chosen
// COM port, or the network address when one is given, with the chosen
// timing, greets the drive and shows the main window; closing the dialog by
// its close box ends the program. The address and the timing are
// remembered for the next start.
class TCommForm : public QWidget {
    Q_OBJECT
public:
    explicit TCommForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    // The device the chosen number opens, "（不存在）" after it when missing.
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    // A device server's address (tcp://HOST:PORT, rfc2217://HOST:PORT);
    // empty: the COM number.
    QLineEdit* edtNetAddress = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* cmbTiming = nullptr; // 固定等待, 回覆完整即結束
    QLabel* Label5 = nullptr;
    QSpinBox* spnTimeout = nullptr; // the waits' length, 10 to 5000 ms
    QPushButton* btnConnect = nullptr;
    // 離線編輯檔案: a parameter file in the grid, without a drive.
    QPushButton* btnOffline = nullptr;

public slots:
    // Opens the network address when one is given, else COM n for the
    // selected item n, and greets the drive. A port or an address that
    // cannot be opened throws ECommError before anything else changes but
    // the port choice and the timing: the dialog stays and another may be
    // tried.
    void btnConnectClick();

    // Asks for a *.tarn file and opens it in the main window without a
    // drive (TMainForm::OpenOffline). A refused file says why and the
    // dialog stays; a cancelled choice leaves everything as it was.
    void btnOfflineClick();

    // Shows the device of the selected item under the list.
    void ComboBox1Change();

    // Every text of the dialog in the language chosen.
    void RetranslateUi();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildNetworkFields();
    void LoadChoices();
    void SaveChoices() const;
};

// The status bar's note of a timing other than the default, as the
// timing list names it: "（回覆完整即結束，逾時 500 ms）"; empty for the default.
QString TimingNote(LinkSettings::Timing timing, int timeoutMs);
