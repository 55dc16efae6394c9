#include "app/connect/TCommForm.h"

#include "app/ErrorHandler.h"
#include "app/FormGeometry.h"
#include "app/TMainForm.h"
#include "link/ComDevices.h"
#include "app/connect/MainLink.h"
#include "link/TMSComm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

TCommForm::TCommForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("CommForm");
    setWindowTitle("Connect");
    PlaceForm(this, 703, 343, 242, 319);

    GroupBox1 = new QGroupBox("請選擇通訊埠", this);
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

    btnConnect = new QPushButton("OK", this);
    btnConnect->setObjectName("btnConnect");
    btnConnect->setGeometry(75, 228, 75, 30);
    // Enter on the focused button presses it, as in any dialog.
    btnConnect->setAutoDefault(true);
    btnConnect->setFocus();
    connect(btnConnect, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnConnectClick(); }); });
}

void TCommForm::btnConnectClick() {
    TMSComm& comm = *MainForm->MSComm1;
    comm.SetCommPort(ComboBox1->itemText(ComboBox1->currentIndex()).toUShort());
    comm.SetPortOpen(true);
    comm.SetInputMode(0);
    comm.SetInputLen(0);
    MainForm->StatusPanel->setText("PortOpen=COM" + QString::number(comm.CommPort()));
    // The device behind COM n differs by machine; the tooltip tells which.
    MainForm->StatusPanel->setToolTip(comm.DeviceName());
    MainForm->StatusBar1->setToolTip(comm.DeviceName());
    ReplyFormat = MainForm->fgCommProtocolInit();
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
