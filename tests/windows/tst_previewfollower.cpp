// How the page's changes reach an open preview: gathered to at most one text a frame, never
// sent while the browser still works on the last one, always the newest text, and nothing at all
// without an open preview that is to follow.

#include "windows/PreviewFollower.h"

#include <QSignalSpy>
#include <QTest>

class TestPreviewFollower : public QObject {
    Q_OBJECT

private slots:
    void sends_data() {
        // c: a change to a new text, C: a change that leaves the text as it was, s: the browser
        // shows the text, o: preview closed, f: not following, F: following again, w: a wait of
        // three frames, W: a wait past the browser's answer timeout.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("changes within a frame, one text") << "cccccw" << QStringList{"5"};
        QTest::newRow("none while the browser works") << "cwcwccw" << QStringList{"1"};
        QTest::newRow("the newest once it answers") << "cwcwccwsw" << QStringList{"1", "4"};
        QTest::newRow("the same text again, nothing") << "cwswCw" << QStringList{"1"};
        QTest::newRow("a silent browser holds back only a while")
            << "cwcW" << QStringList{"1", "2"};
        QTest::newRow("preview closed") << "ocw" << QStringList{};
        QTest::newRow("not following") << "fcw" << QStringList{};
        QTest::newRow("following again, the text as it is") << "fcwFw" << QStringList{"1"};
    }
    void sends() {
        QFETCH(QString, steps);
        QFETCH(QStringList, sent);
        int changes = 0;
        QString text = QStringLiteral("0");
        PreviewFollower follower([&] { return text; });
        follower.setPreviewOpen(true);
        QSignalSpy spy(&follower, &PreviewFollower::send);
        for (QChar step : steps) {
            switch (step.unicode()) {
            case 'c':
                text = QString::number(++changes);
                follower.changed();
                break;
            case 'C':
                follower.changed();
                break;
            case 's':
                follower.shown();
                break;
            case 'o':
                follower.setPreviewOpen(false);
                break;
            case 'f':
                follower.setFollowing(false);
                break;
            case 'F':
                follower.setFollowing(true);
                break;
            case 'w':
                QTest::qWait(PreviewFollower::FrameMs * 3);
                break;
            default:
                QTest::qWait(PreviewFollower::AnswerTimeoutMs + PreviewFollower::FrameMs * 3);
            }
        }
        QStringList got;
        for (const QList<QVariant>& signal : spy)
            got << signal.value(0).toString();
        QCOMPARE(got, sent);
    }
};

QTEST_GUILESS_MAIN(TestPreviewFollower)
#include "tst_previewfollower.moc"
