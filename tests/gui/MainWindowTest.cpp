#include "gui/MainWindow.h"

#include "model/ModelCatalogue.h"
#include "model/NewData.h"

#include <QLabel>
#include <QtTest>

using namespace tq58;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheModelInTheCaption() {
        ModelState model;
        model.ModelType = 2;
        model.ModelName = ModelNameOf(2);
        RadioData data;
        QVERIFY(NewData(data, model).Ok);

        MainWindow window(data, model);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("TQ58  PC Program for RV7700A"));
        QCOMPARE(window.objectName(), QString("frmMain"));
        auto* summary = window.findChild<QLabel*>("lblSummary");
        QVERIFY(summary);
        QVERIFY(summary->text().contains("USA channels in use: 51"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
