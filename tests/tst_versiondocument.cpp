// Reading the tagged values of the version description document.
#include "update/updateWindow.h"

#include <QtTest>

class TestVersionDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tags();
    void returnValue_data();
    void returnValue();
};

void TestVersionDocument::tags() {
    QCOMPARE(Quorvex::updateWindow::startTag("Free"), QString("<Free>"));
    QCOMPARE(Quorvex::updateWindow::endTag("Free"), QString("</Free>"));
}

void TestVersionDocument::returnValue_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("expected");

    const QString full =
        "<?xml version=\"1.0\"?>\n<Update>\n  <CurrentVersion>1.3.0</CurrentVersion>\n"
        "  <Description>Faster\nand better</Description>\n  <Free>Yes</Free>\n"
        "  <DownloadURLOSX>http://x.example/q.zip</DownloadURLOSX>\n</Update>\n";
    QTest::newRow("version among other text") << full << "CurrentVersion"
                                              << "1.3.0";
    QTest::newRow("line breaks belong to the value") << full << "Description"
                                                     << "Faster\nand better";
    QTest::newRow("free") << full << "Free"
                          << "Yes";
    QTest::newRow("address") << full << "DownloadURLOSX"
                             << "http://x.example/q.zip";
    const QString reordered = "<Free>Yes</Free><DownloadURLOSX>u</DownloadURLOSX>"
                              "<CurrentVersion>1.3.0</CurrentVersion>";
    QTest::newRow("any order") << reordered << "CurrentVersion"
                               << "1.3.0";
    QTest::newRow("empty value") << "<Free></Free>"
                                 << "Free"
                                 << "";
    QTest::newRow("not trimmed") << "<Free> Yes</Free>"
                                 << "Free"
                                 << " Yes";
    QTest::newRow("first occurrence counts") << "<Free>a</Free><Free>b</Free>"
                                             << "Free"
                                             << "a";
    QTest::newRow("end tag before start tag is not seen") << "</Free><Free>a</Free>"
                                                          << "Free"
                                                          << "a";
    QTest::newRow("entities stay as written") << "<Description>a &amp; b</Description>"
                                              << "Description"
                                              << "a &amp; b";
    QTest::newRow("other tags inside a value") << "<Description><b>x</b></Description>"
                                               << "Description"
                                               << "<b>x</b>";
    QTest::newRow("case matters") << "<free>Yes</free>"
                                  << "Free"
                                  << "";
    // Without the start tag the search for the end tag starts at the start
    // tag's length, and the value runs from there.
    QTest::newRow("missing start tag") << "0123456789</Free>"
                                       << "Free"
                                       << "56789";
    QTest::newRow("missing start tag, end tag too early") << "0</Free>"
                                                          << "Free"
                                                          << "";
    QTest::newRow("missing end tag gives the empty value") << "<Free>Yes"
                                                           << "Free"
                                                           << "";
    QTest::newRow("no tags at all") << "<html>Not Found</html>"
                                    << "CurrentVersion"
                                    << "";
    QTest::newRow("empty document") << ""
                                    << "CurrentVersion"
                                    << "";
}

void TestVersionDocument::returnValue() {
    QFETCH(QString, document);
    QFETCH(QString, tag);
    QFETCH(QString, expected);
    QCOMPARE(Quorvex::updateWindow::returnValue(document, tag), expected);
}

QTEST_MAIN(TestVersionDocument)
#include "tst_versiondocument.moc"
