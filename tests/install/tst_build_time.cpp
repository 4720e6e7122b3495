#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// Two builds of one commit are the same only if nothing in the program
// records when it was built: every picture the program carries is dated by
// the changelog's newest entry, not by the build or the checkout.
class TestBuildTime : public QObject {
    Q_OBJECT

private slots:
    void resourcesCarryTheChangelogsTime();
};

namespace {

QDateTime changelogTime()
{
    // A time the builder chose wins over the changelog's.
    if (const QByteArray chosen = KESTRINE_SOURCE_DATE_OVERRIDE; !chosen.isEmpty())
        return QDateTime::fromSecsSinceEpoch(chosen.toLongLong());
    QFile changelog(QStringLiteral(KESTRINE_CHANGELOG));
    if (!changelog.open(QIODevice::ReadOnly))
        return {};
    // The newest entry's trailer: " -- maintainer  date".
    const auto trailer = QRegularExpression(QStringLiteral("^ -- .*  (\\S.*)$"), QRegularExpression::MultilineOption)
                             .match(QString::fromUtf8(changelog.readAll()));
    return QDateTime::fromString(trailer.captured(1), Qt::RFC2822Date);
}

} // namespace

void TestBuildTime::resourcesCarryTheChangelogsTime()
{
    const QDateTime expected = changelogTime();
    QVERIFY(expected.isValid());
    int pictures = 0;
    for (QDirIterator each(QStringLiteral(":/assets"), QDir::Files); each.hasNext(); ++pictures) {
        const QFileInfo picture = each.nextFileInfo();
        QVERIFY2(picture.lastModified() == expected,
                 qPrintable(picture.filePath() + ": " + picture.lastModified().toString(Qt::ISODate)));
    }
    QVERIFY(pictures > 0);
}

QTEST_GUILESS_MAIN(TestBuildTime)
#include "tst_build_time.moc"
