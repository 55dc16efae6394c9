// tarn-screens: pictures every window of the program and its main states,
// run for real against the virtual drive on a pty, for the README and for
// looking at the texts as a user sees them.
// Usage: tarn-screens <virtual-drive program> <output directory> [en]
// With "en" the windows are in English and every picture's name ends in
// "-en".
#include "app/Dialogs.h"
#include "app/Startup.h"
#include "app/TGridEditor.h"
#include "app/TMainForm.h"
#include "app/TOpenPmForm.h"
#include "app/TReadpmForm.h"
#include "app/TSavePmForm.h"
#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "app/changes/TChangeLogForm.h"
#include "app/compare/TComparePmForm.h"
#include "app/connect/TCommForm.h"
#include "app/files/TReportInfoForm.h"
#include "app/grid/TFindForm.h"
#include "app/trace/TTraceForm.h"
#include "catalogue/Catalogue.h"
#include "core/Language.h"
#include "files/ParameterFile.h"
#include "link/AddressedDevice.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <functional>

namespace {

QString OutDir;
QString NameEnd; // "-en" for the English pictures
int Failures = 0;

void Shoot(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    const QString path = QDir(OutDir).filePath(name + NameEnd + ".png");
    if (widget->grab().save(path)) {
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
        ++Failures;
    }
}

// Messages are pictured (the box as the program shows it, and the window
// behind it) instead of waiting for a click; file dialogs answer from fixed
// names.
class PicturingDialogs : public IDialogs {
public:
    QString fileName;
    QString nextShot; // name of the picture of the next message, if any

    void ShowMessage(QWidget* parent, const QString& text) override {
        std::printf("message: %s\n", qPrintable(text));
        if (nextShot.isEmpty())
            return;
        QMessageBox box(QMessageBox::NoIcon, "TARN/B", text, QMessageBox::Ok, parent);
        box.show();
        Shoot(&box, nextShot);
        nextShot.clear();
    }
    QString OpenFileName(QWidget*, const QString&) override { return fileName; }
    QString SaveFileName(QWidget*, const QString&) override { return fileName; }
};

// Pictures `form` once, the first time its bar reaches 40 while it runs.
void ShootWhenHalfway(TProgressForm* form, const QString& name) {
    auto* timer = new QTimer(form);
    timer->setInterval(100);
    QObject::connect(timer, &QTimer::timeout, [form, timer, name] {
        if (form->isVisible() && form->ProgressBar1->value() >= 40) {
            Shoot(form, name);
            timer->deleteLater();
        }
    });
    timer->start();
}

// Runs `script` once, inside the comparison window's modal loop, as soon as
// the window is up.
void WhenComparing(const std::function<void()>& script) {
    auto* timer = new QTimer(ComparePmForm);
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, [timer, script] {
        if (!ComparePmForm->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        script();
    });
    timer->start();
}

// The saved file with a handful of values changed: some within their
// rules, some not, some never written.
bool WriteChangedFile(const QString& saved, const QString& changed) {
    ParameterValues values = ReadParameterFile(saved);
    const QMap<quint16, QString> changes{{0, "0010"},   {1, "001F"},   {100, "0190"}, {101, "0064"},
                                         {102, "0064"}, {213, "FC18"}, {304, "0BB9"}, {512, "0808"},
                                         {525, "0123"}, {900, "0001"}, {950, "1234"}};
    for (auto it = changes.begin(); it != changes.end(); ++it)
        values[SlotOf(it.key())] = it.value();
    QFile file(changed);
    return file.open(QIODevice::WriteOnly) && file.write(ParameterFileBytes(values)) > 0;
}

QString StartDrive(QProcess& drive, const QString& program) {
    drive.start(program, {});
    if (!drive.waitForStarted(5000))
        return {};
    QByteArray line;
    while (!line.endsWith('\n') && drive.waitForReadyRead(5000))
        line += drive.readLine();
    return line.startsWith("DEVICE ") ? QString::fromLocal8Bit(line.mid(7).trimmed()) : QString();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The connect dialog's remembered choices in a settings folder of this
    // run's own, empty: the pictures show the defaults.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: tarn-screens <virtual-drive program> <output directory> [en]\n");
        return 2;
    }
    OutDir = QString::fromLocal8Bit(argv[2]);
    if (argc > 3 && LanguageNamed(QString::fromLocal8Bit(argv[3])) == Language::English)
        NameEnd = QStringLiteral("-en");
    UseLanguage(NameEnd.isEmpty() ? Language::Chinese : Language::English);
    QDir().mkpath(OutDir);

    QProcess drive;
    const QString device = StartDrive(drive, QString::fromLocal8Bit(argv[1]));
    if (device.isEmpty()) {
        std::fprintf(stderr, "the virtual drive did not come up\n");
        return 1;
    }
    qputenv("TARN_COM1", device.toLocal8Bit());

    PicturingDialogs dialogs;
    IDialogs* previous = SetDialogs(&dialogs);
    QTemporaryDir temp;
    dialogs.fileName = temp.filePath("drive.tarn");

    CreateWindows(std::make_unique<AddressedDevice>());
    if (!QTest::qWaitForWindowExposed(CommForm))
        return 1;
    Shoot(CommForm, "connect");
    // The same dialog with a device server's address and reply timing; then
    // back to COM 1 for the rest.
    CommForm->edtNetAddress->setText("rfc2217://10.0.0.5:4001");
    CommForm->cmbTiming->setCurrentIndex(1);
    Shoot(CommForm, "connect-network");
    CommForm->edtNetAddress->clear();
    CommForm->cmbTiming->setCurrentIndex(0);
    CommForm->btnConnect->click();
    if (!QTest::qWaitForWindowExposed(MainForm))
        return 1;
    Shoot(MainForm, "main-before-setup");

    MainForm->Setup_Parameters->trigger();
    QTabBar* tabs = MainForm->ParaTabControl->TabBar();
    for (int sheet = 0; sheet < tabs->count(); ++sheet) {
        tabs->setCurrentIndex(sheet);
        QApplication::processEvents();
        Shoot(MainForm, QStringLiteral("sheet-pn%1xx").arg(sheet));
    }

    // 通訊記錄 after the sheet reads: the last exchanges, newest last.
    MainForm->Trace1->trigger();
    if (!QTest::qWaitForWindowExposed(TraceForm))
        return 1;
    Shoot(TraceForm, "trace");
    TraceForm->hide();

    // A value above its maximum: the rejection as the user sees it.
    tabs->setCurrentIndex(1);
    TStringGrid* grid = MainForm->grdPnxxxSheet;
    grid->setFocus();
    grid->SelectCell(3, CatalogueEntryOf(100)->row);
    QTest::keyClick(grid, '9');
    QTest::keyClicks(grid->Editor(), "9999");
    Shoot(MainForm, "editing");
    dialogs.nextShot = "rejected";
    QTest::keyClick(grid->Editor(), Qt::Key_Return);

    // One value written, one the drive does not take: both marks, and the
    // change list with its rows.
    drive.write("reject 102\n");
    drive.waitForBytesWritten(3000);
    for (const auto& [number, keys] : {std::pair<quint16, const char*>{101, "200"}, {102, "300"}}) {
        grid->SelectCell(3, CatalogueEntryOf(number)->row);
        QTest::keyClick(grid, keys[0]);
        QTest::keyClicks(grid->Editor(), keys + 1);
        QTest::keyClick(grid->Editor(), Qt::Key_Return);
    }
    grid->SelectCell(1, CatalogueEntryOf(110)->row); // the marked cells drawn unselected
    Shoot(MainForm, "marks");
    MainForm->ChangeLog1->trigger();
    ChangeLogForm->grdChanges->selectRow(1);
    Shoot(ChangeLogForm, "changelog");
    ChangeLogForm->hide();
    drive.write("unreject 102\n");
    drive.waitForBytesWritten(3000);

    ReadpmForm->show();
    Shoot(ReadpmForm, "reading");
    ReadpmForm->hide();

    // Two parameters answer without the mark during the save: the message
    // that names them after the file is written.
    drive.write("unmark 101\nunmark 215\n");
    drive.waitForBytesWritten(3000);
    ShootWhenHalfway(SavePmForm, "saving");
    dialogs.nextShot = "save-gaps";
    MainForm->Save2->trigger();
    drive.write("mark 101\nmark 215\n");
    drive.waitForBytesWritten(3000);
    ShootWhenHalfway(OpenPmForm, "loading");
    dialogs.nextShot = "restart-drive";
    MainForm->Open2->trigger();

    // The comparison window as it opens, and after a write in which the
    // drive rejects one value and keeps its own for another.
    const QString saved = dialogs.fileName;
    dialogs.fileName = temp.filePath("changed.tarn");
    if (!WriteChangedFile(saved, dialogs.fileName))
        return 1;
    drive.write("reject 101\nkeep 102\n");
    drive.waitForBytesWritten(3000);
    WhenComparing([&dialogs] {
        ComparePmForm->activateWindow();
        Shoot(ComparePmForm, "compare");
        dialogs.nextShot = "compare-written";
        ComparePmForm->btnWriteSelected->click();
        Shoot(ComparePmForm, "compare-outcome");
        ComparePmForm->btnCloseCompare->click();
    });
    MainForm->Compare1->trigger();

    // 報告資料 as a technician fills it before a handover.
    ReportInfo info;
    info.handover = {QStringLiteral("M-7 捲繞機"), QStringLiteral("X 軸"),
                     QStringLiteral("大成機械"), QStringLiteral("林志明"),
                     QStringLiteral("增益依現場負載調整。\n煞車時間待客戶確認。")};
    info.referenceFile = QStringLiteral("/home/tech/agreed/M-7-X.tarn");
    {
        TReportInfoForm form(info, MainForm);
        form.show();
        Shoot(&form, "report-info");
    }

    // 搜尋參數 with the hits of a word: some on the tabs, some not.
    MainForm->Find1->trigger();
    FindForm->edtFind->setText(QStringLiteral("編碼器"));
    FindForm->grdHits->selectRow(1);
    if (!QTest::qWaitForWindowExposed(FindForm))
        return 1;
    Shoot(FindForm, "find");

    // Offline: the changed file opened with 離線編輯檔案 (Pn001 beyond its
    // maximum, marked), and one value edited.
    DestroyWindows();
    CreateWindows(std::make_unique<AddressedDevice>());
    if (!QTest::qWaitForWindowExposed(CommForm))
        return 1;
    CommForm->btnOffline->click();
    if (!QTest::qWaitForWindowExposed(MainForm))
        return 1;
    grid = MainForm->grdPnxxxSheet;
    grid->setFocus();
    grid->SelectCell(3, CatalogueEntryOf(2)->row);
    QTest::keyClick(grid, '5');
    QTest::keyClicks(grid->Editor(), "0");
    QTest::keyClick(grid->Editor(), Qt::Key_Return);
    grid->SelectCell(1, CatalogueEntryOf(3)->row);
    Shoot(MainForm, "offline");

    DestroyWindows();
    SetDialogs(previous);
    drive.write("quit\n");
    drive.waitForFinished(3000);
    return Failures == 0 ? 0 : 1;
}
