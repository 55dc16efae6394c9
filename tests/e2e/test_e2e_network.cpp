// The window program through a device server: ser2net on 127.0.0.1 forwards
// the virtual drive's pty raw and as RFC 2217; the connect dialog's address,
// timing and length are used, shown and remembered.
#include "E2eFixture.h"
#include "support/Ser2Net.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

class TestE2eNetwork : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;

private slots:
    void initTestCase() {
        // The dialog's choices go to a settings file of the test's own.
        QVERIFY(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        if (Ser2Net::Program().isEmpty()) {
            QSKIP("ser2net is not installed (scripts/test.sh installs it)");
        }
    }
    void init() { QSettings().clear(); }

    void connectsThroughTheServer_data() {
        QTest::addColumn<bool>("rfc2217");
        QTest::addColumn<int>("timing");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<QString>("note");
        QTest::newRow("raw, fixed") << false << 0 << 40 << "";
        QTest::newRow("rfc2217, reply") << true << 1 << 40 << "（回覆完整即結束）";
        QTest::newRow("rfc2217, fixed 60 ms") << true << 0 << 60 << "（逾時 60 ms）";
    }
    void connectsThroughTheServer() {
        QFETCH(bool, rfc2217);
        QFETCH(int, timing);
        QFETCH(int, timeoutMs);
        QFETCH(QString, note);
        E2eFixture f({});
        QVERIFY2(f.sim.Start(), qPrintable(f.sim.Error()));
        Ser2Net server({f.sim.Device()});
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        const QString address = rfc2217 ? server.Rfc2217Address() : server.RawAddress();
        f.OpenWindows();
        QVERIFY(CommForm->edtNetAddress->text().isEmpty());

        // Nobody serves this one: reported as a port that cannot be opened.
        const QString nobody = QStringLiteral("tcp://127.0.0.1:%1").arg(Ser2Net::FreePort());
        CommForm->edtNetAddress->setText(nobody);
        QVERIFY(!f.PressOk());
        QCOMPARE(f.dialogs.messages,
                 QStringList{QStringLiteral("Cannot open %1: Connection refused").arg(nobody)});
        QVERIFY(CommForm->isVisible());

        CommForm->edtNetAddress->setText(address);
        CommForm->cmbTiming->setCurrentIndex(timing);
        CommForm->spnTimeout->setValue(timeoutMs);
        QVERIFY2(f.PressOk(), qPrintable(f.dialogs.messages.join('\n')));
        QCOMPARE(MainForm->StatusPanel->text(), "PortOpen=" + address + note);
        f.SetUp();
        int mark = f.Mark();
        f.ShowSheet(1);
        QCOMPARE(f.RequestsFrom(mark), f.Reads(100, 120));
        f.ShowSheet(0);
        mark = f.Mark();
        f.Type(1, "5");
        QCOMPARE(f.RequestsFrom(mark), QList<QByteArray>{":P001=0x0005\r"});
        QCOMPARE(f.sim.State().value(1), QStringLiteral("0005"));
        QCOMPARE(f.dialogs.messages.size(), 1);

        // The next start offers the same choices.
        DestroyWindows();
        f.OpenWindows();
        QCOMPARE(CommForm->edtNetAddress->text(), address);
        QCOMPARE(CommForm->cmbTiming->currentIndex(), timing);
        QCOMPARE(CommForm->spnTimeout->value(), timeoutMs);
    }
};

QTEST_MAIN(TestE2eNetwork)
#include "test_e2e_network.moc"
