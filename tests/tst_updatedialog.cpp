// The update dialog of a check that finds another version: what it asks, what
// each of its buttons does, and download addresses that must not be opened.
#include "UpdateCheck.h"

#include <QtTest>

using check::UpdateCheck;
using fw::DialogButton;

Q_DECLARE_METATYPE(fw::DialogButton)

namespace {

const QString freeWording = "This is a free upgrade. Would you like to automatically download "
                            "this update (using your web browser)?";
const QString paidWording = "This is a paid upgrade. Would you like to automatically download "
                            "the trial version (using your web browser)?";

QString message(const QString& version, const QString& wording) {
    return "Version " + version + " is now available. (You are using version 1.2.0.) " + wording;
}

void serve(UpdateCheck& c, const QByteArray& document) {
    c.answer = check::AnswerAndClose(check::Reply(document));
}

} // namespace

class TestUpdateDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void offer_data();
    void offer();
    void descriptionIsShownAsWritten_data();
    void descriptionIsShownAsWritten();
    void answer_data();
    void answer();
    void goToWebsiteThenCancel_data();
    void goToWebsiteThenCancel();
    void unsafeDownloadAddressIsNeverOpened_data();
    void unsafeDownloadAddressIsNeverOpened();
};

void TestUpdateDialog::offer_data() {
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("free");
    QTest::addColumn<QString>("expected");
    QTest::newRow("newer, free") << QByteArray("1.3.0") << QByteArray("Yes")
                                 << message("1.3.0", freeWording);
    QTest::newRow("older, offered alike")
        << QByteArray("1.1.9") << QByteArray("Yes") << message("1.1.9", freeWording);
    QTest::newRow("newer, paid") << QByteArray("1.3.0") << QByteArray("No")
                                 << message("1.3.0", paidWording);
    QTest::newRow("bug number differs, Free empty")
        << QByteArray("1.2.1") << QByteArray() << message("1.2.1", paidWording);
    QTest::newRow("major differs")
        << QByteArray("2.2.0") << QByteArray("Yes") << message("2.2.0", freeWording);
    QTest::newRow("major lower, rest equal")
        << QByteArray("0.2.0") << QByteArray("Yes") << message("0.2.0", freeWording);
    QTest::newRow("major differs, rest no number")
        << QByteArray("2.x.y") << QByteArray("Yes") << message("2.x.y", freeWording);
    QTest::newRow("Free with a blank is paid")
        << QByteArray("1.3.0") << QByteArray(" Yes") << message("1.3.0", paidWording);
    QTest::newRow("Free in lower case is paid")
        << QByteArray("1.3.0") << QByteArray("yes") << message("1.3.0", paidWording);
    QTest::newRow("version shown as written")
        << QByteArray("1.3") << QByteArray("Yes") << message("1.3", freeWording);
    QTest::newRow("markup in the version stays text")
        << QByteArray("1.3.0<br>") << QByteArray("Yes") << message("1.3.0<br>", freeWording);
}

void TestUpdateDialog::offer() {
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, free);
    QFETCH(QString, expected);
    UpdateCheck c;
    serve(c, check::Document(version, free));
    QVERIFY(c.Run());

    QCOMPARE(c.platform.dialogs.size(), 1u);
    const fw::MessageDialogRequest& d = c.platform.dialogs[0];
    QCOMPARE(d.title, "New version available!");
    QCOMPARE(d.message, expected);
    QCOMPARE(d.explanation, "Faster grids.");
    QCOMPARE(d.icon, 3);
    QVERIFY(d.actionVisible);
    QVERIFY(d.cancelVisible);
    QVERIFY(d.alternateVisible);
    QCOMPARE(d.alternateCaption, "Go to Website");
    // While the dialog is up the window waits behind it without its progress bar.
    QCOMPARE(c.modal.size(), 1u);
    QVERIFY(c.modal[0].visible);
    QVERIFY(!c.modal[0].progressShown);
    QCOMPARE(c.modal[0].label, check::Waiting);
    // Unanswered, the fake dialog is cancelled: nothing opens.
    QCOMPARE(c.platform.urls, QStringList());
    QCOMPARE(c.platform.messages, QStringList());
    QCOMPARE(c.platform.beeps, 0);
    check::VerifyEnded(c);
}

void TestUpdateDialog::descriptionIsShownAsWritten_data() {
    QTest::addColumn<QString>("description");
    QTest::newRow("markup") << "<b>Bold</b> <a href=\"http://evil.example/\">news</a><br>";
    QTest::newRow("entities") << "Grids &amp; timers &lt;faster&gt;";
    QTest::newRow("line breaks") << "First line.\r\nSecond line.\nThird.";
    QTest::newRow("blanks around") << "  spaced  ";
    QTest::newRow("beyond ASCII") << QString::fromUtf8("Schnellere Gitter \u2013 f\u00fcr alle");
    QTest::newRow("empty") << QString();
}

void TestUpdateDialog::descriptionIsShownAsWritten() {
    QFETCH(QString, description);
    UpdateCheck c;
    serve(c, check::Document("1.3.0", "Yes", check::Download, description));
    QVERIFY(c.Run());
    QCOMPARE(c.platform.dialogs.size(), 1u);
    QCOMPARE(c.platform.dialogs[0].explanation, description);
    QCOMPARE(c.platform.dialogs[0].message, message("1.3.0", freeWording));
    check::VerifyEnded(c);
}

void TestUpdateDialog::answer_data() {
    QTest::addColumn<DialogButton>("button");
    QTest::addColumn<QString>("download");
    QTest::addColumn<QStringList>("opened");
    const QString secure = "https://downloads.quorvex.example/quorvex-1.3.0.zip?from=update";
    QTest::newRow("action opens the download")
        << DialogButton::Action << check::Download << QStringList{check::Download};
    QTest::newRow("action opens an https download")
        << DialogButton::Action << secure << QStringList{secure};
}

void TestUpdateDialog::answer() {
    QFETCH(DialogButton, button);
    QFETCH(QString, download);
    QFETCH(QStringList, opened);
    UpdateCheck c;
    serve(c, check::Document("1.3.0", "Yes", download));
    c.platform.dialogAnswers = {button};
    QVERIFY(c.Run());
    QCOMPARE(c.platform.dialogs.size(), 1u);
    QCOMPARE(c.platform.urls, opened);
    QCOMPARE(c.platform.messages, QStringList());
    check::VerifyEnded(c);
}

void TestUpdateDialog::goToWebsiteThenCancel_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("close box") << true;
}

// The home page opens and the window stays, until the user ends it.
void TestUpdateDialog::goToWebsiteThenCancel() {
    QFETCH(bool, closeBox);
    UpdateCheck c;
    serve(c, check::Document("1.1.9", "No"));
    c.platform.dialogAnswers = {DialogButton::AlternateAction};
    check::Look after;
    QStringList openedBefore;
    c.onModal = [&] {
        QTimer::singleShot(0, [&] {
            after = check::LookAt(c.platform);
            openedBefore = c.platform.urls;
            Quorvex::updateWindow* w = check::OpenUpdateWindow();
            if (!w) return;
            if (closeBox)
                w->Widget()->close();
            else
                QTest::mouseClick(w->PushButton1()->Widget(), Qt::LeftButton);
        });
    };
    QVERIFY(c.Run());

    QCOMPARE(c.platform.dialogs.size(), 1u);
    QCOMPARE(c.platform.dialogs[0].message, message("1.1.9", paidWording));
    QCOMPARE(openedBefore, QStringList{check::HomePage});
    QVERIFY(after.taken);
    QVERIFY(after.visible);
    QCOMPARE(after.label, check::Waiting);
    QVERIFY(!after.progressShown);
    QVERIFY(after.cancelShown);
    QCOMPARE(c.platform.urls, QStringList{check::HomePage});
    QCOMPARE(c.platform.messages, QStringList());
    check::VerifyEnded(c);
}

void TestUpdateDialog::unsafeDownloadAddressIsNeverOpened_data() {
    QTest::addColumn<QString>("download");
    QTest::newRow("file") << "file:///etc/passwd";
    QTest::newRow("file, no slashes") << "file:Applications/Quorvex.app";
    QTest::newRow("javascript") << "javascript:alert(1)";
    QTest::newRow("ftp") << "ftp://ftp.quorvex.example/quorvex.zip";
    QTest::newRow("mailto") << "mailto:author@quorvex.example";
    QTest::newRow("http without host") << "http:///quorvex.zip";
    QTest::newRow("no scheme") << "www.quorvex.example/quorvex.zip";
    QTest::newRow("empty") << "";
}

void TestUpdateDialog::unsafeDownloadAddressIsNeverOpened() {
    QFETCH(QString, download);
    UpdateCheck c;
    serve(c, check::Document("1.3.0", "Yes", download));
    c.platform.dialogAnswers = {DialogButton::Action};
    QVERIFY(c.Run());
    QCOMPARE(c.platform.dialogs.size(), 0u);
    QCOMPARE(c.platform.urls, QStringList());
    QCOMPARE(c.platform.beeps, 1);
    QCOMPARE(c.platform.messages,
             QStringList{check::CommunicationError(fw::http::NotAVersionDocument)});
    check::VerifyEnded(c);
}

QTEST_MAIN(TestUpdateDialog)
#include "tst_updatedialog.moc"
