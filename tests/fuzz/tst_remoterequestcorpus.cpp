#include "RemoteRequestCheck.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The remote control's fuzz corpus replayed with the normal compiler, so its
// cases guard every build and not only the runs of the fuzzer.
class TestRemoteRequestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void holdsTheRules_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(REMOTE_REQUEST_CORPUS));
        const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
        // An empty folder would make the test pass without checking anything.
        QVERIFY2(names.size() >= 20, REMOTE_REQUEST_CORPUS);
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << corpus.filePath(name);
    }
    void holdsTheRules()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        const std::string problem =
            RemoteRequestCheck::Check(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        QVERIFY2(problem.empty(), problem.c_str());
    }
};

QTEST_GUILESS_MAIN(TestRemoteRequestCorpus)
#include "tst_remoterequestcorpus.moc"
