#include "files/ParameterFileSamples.h"
#include "app/Startup.h"
#include "app/TMainForm.h"
#include "app/TReportPmForm.h"
#include "app/files/TReportInfoForm.h"
#include "app/TTabControl.h"
#include "core/TarnError.h"
#include "support/TestDrive.h"
#include "drive/DriveTransfer.h"
#include "link/DriveProtocol.h"
#include "app/connect/MainLink.h"
#include "link/TMSComm.h"
#include "report/ReportBuilder.h"
#include "report/ReportCsv.h"
#include "report/ReportHtml.h"
#include "support/FakeSerialDevice.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// 匯出報告 through the menu against a scripted port: every run reads all 309
// parameters (about 12 s of waits), so the cases are few and each checks
// the whole of its outcome.
class TestReportUi : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedDialogs> dialogs_;
    FakeSerialDevice* fake_ = nullptr;
    QMap<quint16, QString> drive_;
    QTemporaryDir dir_;
    // Whether the progress window was up at each request, and the bar then.
    QList<QPair<bool, int>> seen_;

    // The drive answers the distinct values; the window's state is noted
    // at each request.
    void AnswerDistinctValues() {
        const ParameterValues distinct = samples::DistinctValues();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            drive_[NumberOfSlot(slot)] = distinct[slot];
        }
        auto echo = FakeSerialDevice::EchoingDrive(kFormatPlain, &drive_);
        fake_->SetResponder([this, echo](const QByteArray& request) {
            seen_ << qMakePair(ReportPmForm->isVisible(), ReportPmForm->ProgressBar1->value());
            return echo(request);
        });
    }

    static QStringList Texts(const ReportInfo& info) {
        const ReportHandover& h = info.handover;
        return {h.machine, h.axis, h.customer, h.technician, h.note, info.referenceFile};
    }

    static QString WithoutTime(QString html) {
        return html.remove(QRegularExpression("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"));
    }

private slots:
    void initTestCase() {
        // Settings of their own: the test command gives each test its own
        // folder (Qt's test mode would share one per user across checkouts).
        QVERIFY2(!qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"),
                 "XDG_CONFIG_HOME names this test's settings folder");
    }

    void init() {
        QSettings().clear();
        dialogs_ = std::make_unique<ScriptedDialogs>();
        auto device = std::make_unique<FakeSerialDevice>();
        fake_ = device.get();
        CreateWindows(std::move(device));
        MainForm->MSComm1->SetPortOpen(true);
        ReplyFormat = kFormatPlain;
        drive_.clear();
        seen_.clear();
        ResetParameterRecords();
        MainForm->ParaTabControl->show();
        QVERIFY(dir_.isValid());
    }

    void cleanup() {
        DestroyWindows();
        dialogs_.reset();
        for (const QString& name : QDir(dir_.path()).entryList(QDir::Files))
            QFile::remove(dir_.filePath(name));
    }

    // The report names the port as the status bar does: a drive reached
    // over the network by its address.
    void reportOfANetworkDriveNamesItsAddress() {
        TMSComm& comm = *MainForm->MSComm1;
        comm.SetPortOpen(false);
        comm.SetDevicePath(QStringLiteral("tcp://10.0.0.5:4001"));
        comm.SetPortOpen(true);
        AnswerDistinctValues();
        dialogs_->reportInfoAnswers.push_back({});
        dialogs_->saveAnswers << dir_.filePath("drive.csv");
        dialogs_->filterAnswers << "CSV (*.csv)";
        MainForm->Report1->trigger();
        const ReportModel expected =
            BuildReport(DriveSource("tcp://10.0.0.5:4001", "tcp://10.0.0.5:4001", kFormatPlain),
                        samples::DistinctValues());
        QCOMPARE(FileBytes(dir_.filePath("drive.csv")), ReportCsvBytes(expected));
    }

    void reportIsWrittenInTheChosenFormat_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written");
        QTest::newRow("PDF filter, bare name") << "drive"
                                               << "PDF (*.pdf)"
                                               << "drive.pdf";
        QTest::newRow("HTML filter") << "drive.html"
                                     << "HTML (*.html)"
                                     << "drive.html";
        QTest::newRow("CSV filter, bare name") << "drive"
                                               << "CSV (*.csv)"
                                               << "drive.csv";
    }
    void reportIsWrittenInTheChosenFormat() {
        QFETCH(QString, chosen);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        AnswerDistinctValues();
        dialogs_->reportInfoAnswers.push_back({});
        dialogs_->saveAnswers << dir_.filePath(chosen);
        dialogs_->filterAnswers << filter;

        MainForm->Report1->trigger();

        QVERIFY2(dialogs_->messages.isEmpty(), qPrintable(dialogs_->messages.join('\n')));
        QCOMPARE(dialogs_->filters, QStringList{TMainForm::kReportFilter});
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{written});
        // The values go into the records as a save's do, and the report is
        // theirs.
        const ParameterValues distinct = samples::DistinctValues();
        QCOMPARE(PmStringSheet.Slots, distinct);
        const ReportModel expected = BuildReport(
            DriveSource("COM1", MainForm->MSComm1->DeviceName(), kFormatPlain), distinct);
        const QByteArray bytes = FileBytes(dir_.filePath(written));
        if (written.endsWith(".pdf")) {
            QVERIFY(bytes.startsWith("%PDF-"));
        } else if (written.endsWith(".html")) {
            QVERIFY(bytes.startsWith("<!DOCTYPE html"));
            QCOMPARE(WithoutTime(QString::fromUtf8(bytes)), WithoutTime(ReportHtml(expected)));
        } else {
            QVERIFY(bytes.startsWith("\xEF\xBB\xBFnumber,description,"));
            QCOMPARE(bytes, ReportCsvBytes(expected));
        }
        // The reads ran behind the progress window, as a save's do.
        QCOMPARE(ReportPmForm->windowTitle(), QStringLiteral("讀取參數中..."));
        QVERIFY(!ReportPmForm->isVisible());
        QVERIFY(!MainForm->ParaTabControl->isVisible());
        QCOMPARE(seen_.size(), kSlotCount);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const int sheet = NumberOfSlot(slot) / 100;
            QVERIFY(seen_[slot].first);
            QCOMPARE(seen_[slot].second, sheet == 0 ? 0 : (sheet == 9 ? 80 : sheet * 10));
        }
    }

    void noReportIsLeftBehind_data() {
        QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("lostAfter"); // requests before the port goes; 0: never
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("cancelled") << "" << false << 0 << "" << 1;
        QTest::newRow("unwritable")
            << "no-such-folder/r.html" << false << 0
            << "Cannot create file " + dir_.filePath("no-such-folder/r.html") + "\n資料夾不存在"
            << 1;
        QTest::newRow("drive silent") << "r.pdf" << true << 0 << NothingAnsweredMessage() << 0;
        QTest::newRow("port lost") << "r.pdf" << false << 4 << "hung up" << 0;
    }
    void noReportIsLeftBehind() {
        QFETCH(QString, chosen);
        QFETCH(bool, silent);
        QFETCH(int, lostAfter);
        QFETCH(QString, message);
        QFETCH(int, dialogs);
        AnswerDistinctValues();
        int requests = 0;
        if (silent) {
            fake_->SetResponder([](const QByteArray&) { return QByteArray(); });
        } else if (lostAfter) {
            fake_->SetResponder([&](const QByteArray& request) {
                if (++requests == lostAfter)
                    fake_->Vanish("hung up");
                return request;
            });
        }
        dialogs_->reportInfoAnswers.push_back({});
        if (!chosen.isEmpty())
            dialogs_->saveAnswers << dir_.filePath(chosen);

        MainForm->Report1->trigger();

        QCOMPARE(dialogs_->saveAsked, dialogs);
        if (message.isEmpty()) {
            QVERIFY(dialogs_->messages.isEmpty());
        } else {
            QCOMPARE(dialogs_->messages.size(), 1);
            QVERIFY2(dialogs_->messages[0].contains(message), qPrintable(dialogs_->messages[0]));
        }
        QVERIFY(
            QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(!ReportPmForm->isVisible());
        QVERIFY(!MainForm->ParaTabControl->isVisible());
    }

    // 確定 with a field the report cannot hold, or a reference the check
    // refuses: the message of the core's check, the form stays open with
    // the fields as typed; mended, it closes.
    void reportInfoFormRefusesAndStaysOpen_data() {
        QTest::addColumn<int>("field"); // index into Texts()
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString damaged = dir_.filePath("damaged.tarn");
        QString refusal;
        PutFile(damaged, samples::DamagedFiles().at(3).bytes);
        try {
            ReadReference(damaged);
        } catch (const EFileError& error) {
            refusal = error.Text();
        }
        QTest::newRow("escape sequence in the machine") << 0 << "A\x1b[31mB"
                                                        << "機台 含有控制字元（第 2 個字元）";
        QTest::newRow("control character in the note") << 4 << "第一行\n第\x01二行"
                                                       << "備註 含有控制字元（第 6 個字元）";
        QTest::newRow("refused reference file") << 5 << damaged << refusal;
    }
    void reportInfoFormRefusesAndStaysOpen() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        PutFile(dir_.filePath("damaged.tarn"), samples::DamagedFiles().at(3).bytes);
        TReportInfoForm form(ReportInfo{}, MainForm);
        QList<std::function<void(const QString&)>> set{
            [&](const QString& t) { form.MachineEdit->setText(t); },
            [&](const QString& t) { form.AxisEdit->setText(t); },
            [&](const QString& t) { form.CustomerEdit->setText(t); },
            [&](const QString& t) { form.TechnicianEdit->setText(t); },
            [&](const QString& t) { form.NoteEdit->setPlainText(t); },
            [&](const QString& t) { form.ReferenceEdit->setText(t); }};
        form.CustomerEdit->setText("大成機械");
        set[field](typed);
        const QStringList asTyped = Texts(form.Info());
        form.OK1->click();
        QVERIFY(form.result() != QDialog::Accepted);
        QCOMPARE(dialogs_->messages, QStringList{message});
        QCOMPARE(Texts(form.Info()), asTyped);
        set[field](QString());
        form.OK1->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(dialogs_->messages.size(), 1);
    }

    // 報告資料 comes between the reads and the save dialog; what is confirmed
    // is in the report and shown again next time; 取消 writes nothing, not
    // even the fields.
    void reportInfoIsAskedRememberedAndCancelWritesNothing() {
        AnswerDistinctValues();
        ParameterValues agreed = samples::DistinctValues();
        agreed[SlotOf(100)] = QStringLiteral("01F4");
        const QString reference = dir_.filePath("agreed.tarn");
        WriteParameterFile(reference, agreed);
        const ReportInfo confirmed{{"M-7", "X 軸", "大成機械", "林志明", "第一行\n第二行"},
                                   reference};
        dialogs_->openAnswers << reference;
        dialogs_->saveAnswers << dir_.filePath("handed.html");
        // What the form showed and what stood around it, checked after.
        int readsBefore = -1, namesAskedBefore = -1;
        QString title;
        QStringList shownTexts, names;
        dialogs_->onReportInfo = [&](QWidget* parent,
                                     const ReportInfo& shown) -> std::optional<ReportInfo> {
            TReportInfoForm form(shown, parent);
            readsBefore = int(seen_.size());
            namesAskedBefore = dialogs_->saveAsked;
            title = form.windowTitle();
            shownTexts = Texts(form.Info());
            form.MachineEdit->setText("M-7");
            form.AxisEdit->setText("X 軸");
            form.CustomerEdit->setText("大成機械");
            form.TechnicianEdit->setText("林志明");
            form.NoteEdit->setPlainText("第一行\n第二行");
            form.Browse1->click(); // the open dialog answers the reference
            names = QStringList{
                form.MachineEdit->accessibleName(),  form.AxisEdit->accessibleName(),
                form.CustomerEdit->accessibleName(), form.TechnicianEdit->accessibleName(),
                form.NoteEdit->accessibleName(),     form.ReferenceEdit->accessibleName(),
                form.Browse1->accessibleName(),      form.OK1->accessibleName(),
                form.Cancel1->accessibleName()};
            form.OK1->click();
            if (form.result() != QDialog::Accepted)
                return std::nullopt;
            return form.Info();
        };
        MainForm->Report1->trigger();
        // Asked after the 309 reads, before any name, empty the first time.
        QCOMPARE(readsBefore, kSlotCount);
        QCOMPARE(namesAskedBefore, 0);
        QCOMPARE(title, QStringLiteral("報告資料"));
        QCOMPARE(shownTexts, Texts(ReportInfo{}));
        QCOMPARE(names, QStringList({"機台", "軸", "客戶", "技術員", "備註", "參考檔案", "瀏覽...",
                                     "確定", "取消"}));
        QVERIFY2(dialogs_->messages.isEmpty(), qPrintable(dialogs_->messages.join('\n')));
        QCOMPARE(dialogs_->saveAsked, 1);
        const ReportModel expected =
            BuildReport(DriveSource("COM1", MainForm->MSComm1->DeviceName(), kFormatPlain),
                        samples::DistinctValues(), confirmed.handover, ReadReference(reference));
        QCOMPARE(expected.summary.differences, 1);
        QCOMPARE(WithoutTime(QString::fromUtf8(FileBytes(dir_.filePath("handed.html")))),
                 WithoutTime(ReportHtml(expected)));

        // Next time the form shows what was confirmed; cancelled, there is no
        // save dialog, no file, and the remembered fields stay.
        seen_.clear();
        dialogs_->onReportInfo = [&](QWidget* parent,
                                     const ReportInfo& shown) -> std::optional<ReportInfo> {
            TReportInfoForm form(shown, parent);
            shownTexts = Texts(form.Info());
            form.MachineEdit->setText("M-8");
            form.Cancel1->click();
            if (form.result() != QDialog::Accepted)
                return std::nullopt;
            return form.Info();
        };
        MainForm->Report1->trigger();
        QCOMPARE(shownTexts, Texts(confirmed));
        QCOMPARE(dialogs_->reportInfoShown.size(), std::size_t(2));
        QCOMPARE(Texts(dialogs_->reportInfoShown[1]), Texts(confirmed));
        QCOMPARE(dialogs_->saveAsked, 1);
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files),
                 QStringList({"agreed.tarn", "handed.html"}));
        QCOMPARE(Texts(LoadReportInfo(QSettings())), Texts(confirmed));
        QVERIFY(dialogs_->messages.isEmpty());
    }
};

QTEST_MAIN(TestReportUi)
#include "test_report_ui.moc"
