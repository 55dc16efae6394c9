// A file's target is tried before anything is read for it, and a failure
// says why: a missing folder, no permission (a read-only file system, which
// holds for root too), a full disk (a small tmpfs, where one can be
// mounted). Each is checked by the target check and by the whole-file
// writer, which must say the same.
#include "core/TarnError.h"
#include "core/WholeFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString FailureOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const EFileError& e) {
        return e.Text();
    }
    return QString();
}

// Mounts a tmpfs of `options` at `folder`; false (with the reason) where
// this system does not let the test mount one.
bool MountTmpfs(const QString& folder, const QString& options, QString& reason) {
    QProcess mount;
    mount.start("mount", {"-t", "tmpfs", "-o", options, "tmpfs", folder});
    if (!mount.waitForFinished(10000) || mount.exitCode() != 0) {
        reason = "cannot mount a tmpfs here: " +
                 QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
        return false;
    }
    return true;
}

void Unmount(const QString& folder) {
    QProcess::execute("umount", {folder});
}

} // namespace

class TestFileTargets : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    void ExpectReason(const QString& file, const QString& reason) {
        const QString expected = QStringLiteral("Cannot create file %1\n%2").arg(file, reason);
        QCOMPARE(FailureOf([&] { CheckFileTarget(file); }), expected);
        QCOMPARE(FailureOf([&] { WriteWholeFile(file, QByteArray(8192, 'x')); }), expected);
        QVERIFY(!QFileInfo::exists(file));
    }

private slots:
    void missingFolder() {
        ExpectReason(dir_.filePath("no/such/x.tarn"), QStringLiteral("資料夾不存在"));
    }

    void readOnlyFolder() {
        const QString folder = dir_.filePath("ro");
        QVERIFY(QDir().mkpath(folder));
        QString reason;
        if (!MountTmpfs(folder, "ro,size=64k", reason))
            QSKIP(qPrintable(reason));
        ExpectReason(folder + "/x.tarn", QStringLiteral("沒有寫入權限"));
        QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{});
        Unmount(folder);
    }

    void fullFileSystem() {
        const QString folder = dir_.filePath("full");
        QVERIFY(QDir().mkpath(folder));
        QString reason;
        if (!MountTmpfs(folder, "size=64k", reason))
            QSKIP(qPrintable(reason));
        QFile filler(folder + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
        }
        filler.close();
        ExpectReason(folder + "/x.tarn", QStringLiteral("磁碟空間不足"));
        QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{"filler"});
        Unmount(folder);
    }

    // A target that can be written is left as it was: no file, no probe.
    void writableTargetIsNotTouched() {
        const QString file = dir_.filePath("ok/x.tarn");
        QVERIFY(QDir().mkpath(dir_.filePath("ok")));
        CheckFileTarget(file);
        QCOMPARE(QDir(dir_.filePath("ok"))
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestFileTargets)
#include "test_file_targets.moc"
