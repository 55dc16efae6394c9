#include "app/connect/TCommForm.h"

#include "app/Dialogs.h"
#include "app/ErrorHandler.h"
#include "app/FormGeometry.h"
#include "app/TMainForm.h"
#include "core/TarnError.h"
#include "drive/Drive.h"
#include "link/ComDevices.h"
#include "link/PortAddress.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <iterator>

namespace {

const QString kAddressKey = QStringLiteral("connect/netAddress");
const QString kTimingKey = QStringLiteral("connect/timing");
const QString kTimeoutKey = QStringLiteral("connect/timeoutMs");

// The timing list's items, in LinkSettings::Timing's order.
const char* const kTimingTexts[] = {QT_TRANSLATE_NOOP("TCommForm", "固定等待"),
                                    QT_TRANSLATE_NOOP("TCommForm", "回覆完整即結束")};

} // namespace

QString TimingNote(LinkSettings::Timing timing, int timeoutMs) {
    QStringList parts;
    if (timing != LinkSettings::Timing::Fixed)
        parts << TCommForm::tr(kTimingTexts[1]);
    if (timeoutMs != int(LinkSettings::kDefaultTimeoutMs))
        parts << TCommForm::tr("逾時 %1 ms").arg(timeoutMs);
    return parts.isEmpty() ? QString()
                           : TCommForm::tr("（%1）").arg(parts.join(TCommForm::tr("，")));
}

TCommForm::TCommForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("CommForm");
    PlaceForm(this, 703, 343, 242, 429);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(16, 16, 194, 196);
    Label1 = new QLabel("COM", GroupBox1);
    Label1->setObjectName("Label1");
    Label1->setGeometry(40, 86, 40, 24);
    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(false);
    for (int port = 1; port <= 9; ++port)
        ComboBox1->addItem(QString::number(port));
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setGeometry(88, 84, 64, 28);
    // Which device a number opens differs by machine (COM 1 is rarely the
    // USB adapter on Linux); the line under the list says so before OK.
    Label2 = new QLabel(GroupBox1);
    Label2->setObjectName("Label2");
    Label2->setGeometry(8, 124, 178, 56);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(true);
    ComboBox1Change();
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });

    BuildNetworkFields();

    btnConnect = new QPushButton(this);
    btnConnect->setObjectName("btnConnect");
    btnConnect->setGeometry(16, 342, 64, 30);
    // Enter on the focused button presses it, as in any dialog.
    btnConnect->setAutoDefault(true);
    btnConnect->setFocus();
    connect(btnConnect, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnConnectClick(); }); });

    btnOffline = new QPushButton(this);
    btnOffline->setObjectName("btnOffline");
    btnOffline->setGeometry(86, 342, 124, 30);
    connect(btnOffline, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnOfflineClick(); }); });
    RetranslateUi();
}

void TCommForm::RetranslateUi() {
    setWindowTitle(tr("Connect"));
    GroupBox1->setTitle(tr("請選擇通訊埠"));
    btnConnect->setText(tr("OK"));
    btnOffline->setText(tr("離線編輯檔案"));
    btnOffline->setAccessibleName(btnOffline->text());
    Label3->setText(tr("網路位址"));
    edtNetAddress->setAccessibleName(Label3->text());
    edtNetAddress->setPlaceholderText(tr("tcp://主機:埠"));
    Label4->setText(tr("等待方式"));
    cmbTiming->setAccessibleName(Label4->text());
    for (int i = 0; i < cmbTiming->count(); ++i)
        cmbTiming->setItemText(i, tr(kTimingTexts[i]));
    Label5->setText(tr("逾時 (ms)"));
    spnTimeout->setAccessibleName(Label5->text());
    ComboBox1Change();
}

void TCommForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void TCommForm::btnOfflineClick() {
    const QString fileName = Dialogs().OpenFileName(this, TMainForm::kFileFilter);
    if (fileName.isEmpty())
        return;
    MainForm->OpenOffline(fileName);
}

void TCommForm::BuildNetworkFields() {
    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(16, 218, 194, 22);
    edtNetAddress = new QLineEdit(this);
    edtNetAddress->setObjectName("edtNetAddress");
    edtNetAddress->setGeometry(16, 240, 194, 26);
    Label3->setBuddy(edtNetAddress);

    // The labels take what their texts need, the fields the rest.
    auto* timingArea = new QWidget(this);
    timingArea->setGeometry(16, 274, 194, 58);
    auto* timingRows = new QGridLayout(timingArea);
    timingRows->setContentsMargins(0, 0, 0, 0);
    timingRows->setVerticalSpacing(6);
    Label4 = new QLabel(timingArea);
    Label4->setObjectName("Label4");
    cmbTiming = new QComboBox(timingArea);
    cmbTiming->setObjectName("cmbTiming");
    for (int i = 0; i < int(std::size(kTimingTexts)); ++i)
        cmbTiming->addItem(QString());
    Label4->setBuddy(cmbTiming);

    Label5 = new QLabel(timingArea);
    Label5->setObjectName("Label5");
    spnTimeout = new QSpinBox(timingArea);
    spnTimeout->setObjectName("spnTimeout");
    spnTimeout->setRange(int(LinkSettings::kMinTimeoutMs), int(LinkSettings::kMaxTimeoutMs));
    spnTimeout->setValue(int(LinkSettings::kDefaultTimeoutMs));
    Label5->setBuddy(spnTimeout);
    timingRows->addWidget(Label4, 0, 0);
    timingRows->addWidget(cmbTiming, 0, 1);
    timingRows->addWidget(Label5, 1, 0);
    timingRows->addWidget(spnTimeout, 1, 1);
    timingRows->setColumnStretch(1, 1);
    LoadChoices();
}

void TCommForm::LoadChoices() {
    const QSettings settings;
    edtNetAddress->setText(settings.value(kAddressKey).toString());
    cmbTiming->setCurrentIndex(settings.value(kTimingKey).toString() == QLatin1String("reply") ? 1
                                                                                               : 0);
    spnTimeout->setValue(settings.value(kTimeoutKey, int(LinkSettings::kDefaultTimeoutMs)).toInt());
}

void TCommForm::SaveChoices() const {
    QSettings settings;
    settings.setValue(kAddressKey, edtNetAddress->text().trimmed());
    settings.setValue(kTimingKey, cmbTiming->currentIndex() == 1 ? QStringLiteral("reply")
                                                                 : QStringLiteral("fixed"));
    settings.setValue(kTimeoutKey, spnTimeout->value());
}

void TCommForm::btnConnectClick() {
    SaveChoices();
    const auto timing =
        cmbTiming->currentIndex() == 1 ? LinkSettings::Timing::Reply : LinkSettings::Timing::Fixed;
    LinkSettings settings;
    settings.timing = timing;
    settings.SetTimeout(quint32(spnTimeout->value()));
    const QString given = edtNetAddress->text().trimmed();
    DrivePort port;
    if (given.isEmpty()) {
        port = DrivePort::Com(ComboBox1->itemText(ComboBox1->currentIndex()).toUShort());
    } else {
        const std::optional<PortAddress> address = ParsePortAddress(given);
        if (!address) {
            throw ECommError(QStringLiteral("Cannot open %1: not a network address (%2)")
                                 .arg(given, PortAddressFault(given)));
        }
        port = DrivePort::Network(*address, given);
    }
    Drive& drive = MainForm->ShownDrive;
    drive.Open(port, settings);
    MainForm->ShowPortOpen(timing, spnTimeout->value());
    // The device behind COM n differs by machine; the tooltip tells which.
    MainForm->StatusPanel->setToolTip(drive.DeviceName());
    MainForm->StatusBar1->setToolTip(drive.DeviceName());
    hide();
    MainForm->show();
}

void TCommForm::ComboBox1Change() {
    const QString line = ComDeviceLine(ComboBox1->itemText(ComboBox1->currentIndex()).toUShort());
    Label2->setText(line);
    Label2->setAccessibleName(line);
}

void TCommForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // Without a port there is nothing the program can do.
    QCoreApplication::quit();
}
