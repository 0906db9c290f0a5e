// The help document answers every help context the program asks for, and the pictures
// compiled into the program are there.
#include "editor/ControlHints.h"
#include "gui/AboutDialog.h"
#include "gui/ProgramIcon.h"
#include "gui/help/HelpWindow.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace tq58 {

namespace {

QSet<QString> AnchorNames(const QTextDocument& document) {
    QSet<QString> names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            for (const QString& name : fragment.fragment().charFormat().anchorNames()) {
                names.insert(name);
            }
        }
    }
    return names;
}

int HelpWindowCount() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        count += qobject_cast<HelpWindow*>(window) ? 1 : 0;
    }
    return count;
}

} // namespace

class HelpAndAboutTest : public QObject {
    Q_OBJECT

private slots:
    void everyHelpContextHasItsTopic() {
        // The controls with a help context, and the contexts of Help Contents and of the
        // transfer dialog; tests run in the program folder (build/bin).
        const char* controls[] = {"tvTreeView",   "MSFlexGrid1", "chkGEnable", "chkGDelete",
                                  "txtGPosi",     "txtGMMSI",    "chkCEnable", "chkDEnable_3",
                                  "chkCTXEnable", "chkCDup",     "chkCTXOnly", "chkCTXPower",
                                  "chkCScan",     "chkDScan_0",  "txtCTag",    "txtDTagName_9",
                                  "cmbScramble"};
        QList<int> contexts = {HelpContentsContext, TransferHelpContext};
        for (const char* control : controls) {
            contexts << HelpContextFor(control);
        }
        QWidget owner;
        for (const int context : contexts) {
            QVERIFY2(context != 0, "a control lost its help context");
            QCOMPARE(ShowHelpTopic(&owner, QDir::currentPath().toStdString(), context), QString());
            auto* browser = owner.findChild<QTextBrowser*>("txtHelp");
            QVERIFY(browser);
            QVERIFY2(AnchorNames(*browser->document()).contains(QString("context%1").arg(context)),
                     qPrintable(QString("no topic for help context %1").arg(context)));
        }
        QCOMPARE(HelpWindowCount(), 1);
    }

    void missingHelpDocumentIsReported() {
        QTemporaryDir empty;
        QWidget owner;
        QVERIFY(!HelpDocumentExists(empty.path().toStdString()));
        QVERIFY(!ShowHelpTopic(&owner, empty.path().toStdString(), HelpContentsContext).isEmpty());
        QVERIFY(!owner.findChild<HelpWindow*>());
    }

    void picturesAreCompiledIn() {
        QVERIFY(!ProgramIcon().pixmap(16, 16).isNull());
        AboutDialog about;
        const QLabel* logo = about.findChild<QLabel*>("pictLogo");
        QVERIFY(logo && !logo->pixmap().isNull());
    }
};

} // namespace tq58

QTEST_MAIN(tq58::HelpAndAboutTest)
#include "HelpAndAboutTest.moc"
