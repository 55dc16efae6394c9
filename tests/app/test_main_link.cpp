// The window program's names for its exchanges act on the main drive's link.
#include "app/MainDrive.h"
#include "app/connect/MainLink.h"
#include "support/LinkFixture.h"

#include <QtTest>

class MainLinkTest : public QObject {
    Q_OBJECT

private slots:
    void programNamesActOnTheMainLink() {
        LinkFixture f(kFormatMarked);
        DriveLink& link = f.link;
        f.GiveTo(MainDrive());
        ReplyFormat = kFormatPlain;
        QCOMPARE(link.ReplyFormat(), kFormatPlain);
        link.SetReplyFormat(kFormatMarked);
        QCOMPARE(quint8(ReplyFormat), kFormatMarked);
        f.port->Script(":P101=0x00AB\r");
        QCOMPARE(ReadParameter(101), QStringLiteral("00AB"));
        f.port->Script(":P101=0x0006\r");
        QCOMPARE(WriteParameter(101, "0005"), true); // another echo: failed
        QCOMPARE(f.port->Writes(), (QList<QByteArray>{":P101????\r", ":P101=0x0005\r"}));
        MainDrive().SetLink(nullptr);
    }
};

QTEST_GUILESS_MAIN(MainLinkTest)
#include "test_main_link.moc"
