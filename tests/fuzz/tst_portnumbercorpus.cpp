#include "PortNumberReference.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <string_view>

// The fuzz corpus replayed with the normal compiler, so its cases guard every
// build and not only the runs of the fuzzer.
class TestPortNumberCorpus : public QObject
{
    Q_OBJECT

private:
    static QStringList corpusFiles()
    {
        return QDir(QStringLiteral(PORT_NUMBER_CORPUS)).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void corpusIsThere()
    {
        // An empty folder would make the test below pass without checking anything.
        QVERIFY2(corpusFiles().size() >= 50, PORT_NUMBER_CORPUS);
    }

    void agreesWithReference_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(PORT_NUMBER_CORPUS));
        for (const QString &name : corpusFiles())
            QTest::newRow(qPrintable(name)) << corpus.filePath(name);
    }
    void agreesWithReference()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray text = file.readAll();
        const std::string disagreement =
            PortNumberReference::Disagreement(std::string_view(text.constData(), size_t(text.size())));
        QVERIFY2(disagreement.empty(), disagreement.c_str());
    }
};

QTEST_GUILESS_MAIN(TestPortNumberCorpus)
#include "tst_portnumbercorpus.moc"
