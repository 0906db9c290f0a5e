#include "MainWindowHarness.h"
#include "editor/AtisCodeRule.h"
#include "gui/editor/Page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

// The value a user sees in a bound control.
QVariant Shown(QWidget* control) {
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        return box->isChecked();
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        return combo->currentIndex();
    }
    return qobject_cast<QLineEdit*>(control)->text();
}

// The controls of a page that edit the record: its open text fields first (they are typed
// into before a check box closes them), then every check box and combo box.
QList<QWidget*> BoundControls(QWidget* page) {
    QList<QWidget*> fields;
    QList<QWidget*> choices;
    for (QWidget* child : page->findChildren<QWidget*>()) {
        if (auto* field = qobject_cast<QLineEdit*>(child)) {
            if (!field->isReadOnly() && !field->parent()->inherits("QComboBox")) {
                fields << field;
            }
        } else if (child->inherits("QCheckBox") || child->inherits("QComboBox")) {
            choices << child;
        }
    }
    return fields + choices;
}

QMap<QString, QVariant> ShownValues(const QList<QWidget*>& controls) {
    QMap<QString, QVariant> values;
    for (QWidget* control : controls) {
        values[control->objectName()] = Shown(control);
    }
    return values;
}

} // namespace

class SettingPagesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowHarness> harness_;

    template <typename T> T* Find(const QString& name) { return harness_->Find<T>(name); }
    SettingsRecord& Settings() { return harness_->data.Settings; }
    // Types into a field that has the focus, as a user would after clicking it.
    void TypeInto(QLineEdit* field, const QString& text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) {
            QTest::keyClick(field, Qt::Key_Backspace);
        }
        QTest::keyClicks(field, text);
    }
    // Changes a control as a user would; false for a list with nothing else to choose.
    bool Change(QWidget* control) {
        if (auto* box = qobject_cast<QCheckBox*>(control)) {
            box->setChecked(!box->isChecked());
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            if (combo->count() < 2) {
                return false;
            }
            combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
        } else {
            auto* field = qobject_cast<QLineEdit*>(control);
            ShowTabOf(field);
            field->setEnabled(true); // what opens a field is tested on its own
            // "_" is refused by the keys; the digits make an ATIS code of the rule.
            TypeInto(field, "_" + QString("9244567890").left(field->maxLength()));
            harness_->window->ValidateCurrentPage(); // a refusal leaves the record as it was
        }
        return true;
    }
    static void ShowTabOf(QWidget* control) {
        for (QWidget* child = control; child->parentWidget(); child = child->parentWidget()) {
            auto* tabs = qobject_cast<QTabWidget*>(child->parentWidget()->parentWidget());
            if (tabs && tabs->indexOf(child) >= 0) {
                tabs->setCurrentWidget(child);
            }
        }
    }
    void Tab(QWidget* from) {
        QTest::keyClick(from, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        harness_ = std::make_unique<MainWindowHarness>();
        QVERIFY(harness_->Start("2")); // a model with ATIS
    }
    void cleanup() { harness_.reset(); }

    // Group2 unchecked leaves the tree, the ATIS page and the EXP groups; Group1's status name
    // renames it.
    void usableGroupsShapeTheTreeAndTheAtisPage() {
        QVERIFY(harness_->SelectNode("Usable"));
        auto* exp2 = Find<QCheckBox>("chkEXP_1");
        exp2->setChecked(true);
        QVERIFY(Settings().UsableChGroup[GroupExp].ExpChGroup[1]);
        auto* group2 = Find<QCheckBox>("chkUsable_1");
        QVERIFY(group2->isChecked());
        group2->setFocus();
        QTest::keyClick(group2, Qt::Key_Space);
        QVERIFY(!Settings().UsableChGroup[1].Enable);
        QVERIFY(!exp2->isChecked());
        QVERIFY(!Settings().UsableChGroup[GroupExp].ExpChGroup[1]);
        QVERIFY(!Find<QLineEdit>("txtUsable_1")->isEnabled());
        TypeInto(Find<QLineEdit>("txtUsable_0"), "WORK");
        Tab(Find<QLineEdit>("txtUsable_0"));
        QCOMPARE(Find<QCheckBox>("chkEXP_0")->text(), QString("Group1[WORK]"));
        QStringList groups;
        for (QTreeWidgetItem* item : harness_->Tree()->findItems(
                 "^Group\\d", Qt::MatchRegularExpression | Qt::MatchRecursive)) {
            groups << item->text(0);
        }
        QCOMPARE(groups, QStringList({"Group1(WORK)", "Group3"}));
        QVERIFY(harness_->window->DataChanged());

        QVERIFY(harness_->SelectNode("ATIS"));
        QVERIFY(!Find<QCheckBox>("chkATISChGroup_1")->isEnabled());
        QVERIFY(Find<QCheckBox>("chkATISChGroup_0")->isEnabled());
    }

    void userMmsiOfEightDigitsIsRefusedUntilCleared() {
        QVERIFY(harness_->SelectNode("DSC"));
        auto* mmsi = Find<QLineEdit>("txtUserMMSI");
        TypeInto(mmsi, "36612345");
        Tab(mmsi);
        const QString refusal("User MMSI|Data Error!!\nUser MMSI: 9 digits");
        QTRY_COMPARE(harness_->LastShown(), refusal);
        QTRY_COMPARE(QApplication::focusWidget(), mmsi);
        // A click on another node: the page check refuses once more, with one message.
        harness_->shown.clear();
        QTreeWidgetItem* dsc = harness_->Tree()->currentItem();
        QTreeWidgetItem* common =
            harness_->Tree()->findItems("Common Setup", Qt::MatchExactly | Qt::MatchRecursive)[0];
        QTest::mouseClick(harness_->Tree()->viewport(), Qt::LeftButton, {},
                          harness_->Tree()->visualItemRect(common).center());
        QTRY_COMPARE(QApplication::focusWidget(), mmsi);
        QCoreApplication::processEvents();
        QCOMPARE(harness_->shown, QStringList{refusal});
        QCOMPARE(harness_->window->Editor()->CurrentKey(), std::string("DSC"));
        QCOMPARE(harness_->Tree()->selectedItems(), QList<QTreeWidgetItem*>{dsc});

        harness_->shown.clear();
        TypeInto(mmsi, "");
        Tab(mmsi);
        QVERIFY(harness_->SelectNode("Common"));
        QVERIFY(harness_->shown.isEmpty());
        QCOMPARE(Settings().DscBasicSetup.UserMmsi, std::string());
    }

    void scanOffGreysItsSettingsAndKeepsThem() {
        Settings().CommonSetup.Scan = true;
        Settings().CommonSetup.ResumeTime = 3;
        QVERIFY(harness_->SelectNode("Common"));
        auto* scan = Find<QComboBox>("cmbCommonScan");
        scan->setFocus();
        QTest::keyClick(scan, Qt::Key_Up);
        QCOMPARE(scan->currentText(), QString("Off"));
        QVERIFY(!Settings().CommonSetup.Scan);
        QVERIFY(!Find<QComboBox>("cmbCommonResume")->isEnabled());
        QVERIFY(!Find<QComboBox>("cmbCommonPTTSCAN")->isEnabled());
        QCOMPARE(Find<QComboBox>("cmbCommonResume")->currentText(), QString("3Sec"));
        QCOMPARE(Settings().CommonSetup.ResumeTime, 3);
        QVERIFY(Find<QComboBox>("cmbCommonDual")->isEnabled());
    }

    // An image byte nobody wrote selects no item: the box says so until the user chooses one.
    void valueOutsideItsListShowsNotSet() {
        Settings().CommonSetup.MagneticVariation = 255;
        Settings().CommonSetup.OffsetTime = 31;
        QVERIFY(harness_->SelectNode("Common"));
        for (const char* name : {"cmbCommonMag", "cmbCommonOffset"}) {
            QCOMPARE(Find<QComboBox>(name)->currentIndex(), -1);
            QCOMPARE(Find<QComboBox>(name)->placeholderText(), QString("(not set)"));
        }
        auto* magnetic = Find<QComboBox>("cmbCommonMag");
        magnetic->setCurrentIndex(1);
        QCOMPARE(Settings().CommonSetup.MagneticVariation, 1);
        QCOMPARE(Settings().CommonSetup.OffsetTime, 31);
        // The offset runs in half hours from -12:00 to +12:00.
        auto* offset = Find<QComboBox>("cmbCommonOffset");
        QCOMPARE(offset->itemText(0), QString("-12:00"));
        offset->setCurrentIndex(offset->count() - 1);
        QCOMPARE(offset->currentText(), QString("+12:00"));
        QCOMPARE(Settings().CommonSetup.OffsetTime, 24);
    }

    void callSignMidGetsThreeDigits() {
        QVERIFY(harness_->SelectNode("ATIS"));
        auto* tabs = Find<QTabWidget>("tbsATIS");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        auto* mid = Find<QLineEdit>("txtATISMid_7");
        TypeInto(mid, "7");
        Tab(mid);
        QTRY_COMPARE(mid->text(), QString("007"));
        QCOMPARE(Settings().AtisCallSign[6].MID, std::string("007"));
    }

    void atisCodeOutsideItsRuleIsRefusedWithTheRule() {
        QVERIFY(harness_->SelectNode("ATIS"));
        auto* code = Find<QLineEdit>("txtATIScode");
        TypeInto(code, "1234567890");
        Tab(code);
        QTRY_COMPARE(QApplication::focusWidget(), code);
        QCOMPARE(harness_->LastShown(), "ATISNo|Data Error!!\n" + QString(AtisCodeRuleText));
        QCOMPARE(Settings().AtisCommon.AtisCode, std::string());
        TypeInto(code, "9244123456");
        QVERIFY(harness_->SelectNode("Common"));
        QCOMPARE(Settings().AtisCommon.AtisCode, std::string("9244123456"));
    }

    void directoryEntryOpensOnlyAfterACompleteOne() {
        QVERIFY(harness_->SelectNode("SM1"));
        auto* enable = Find<QCheckBox>("chkGEnable");
        QVERIFY(enable->isEnabled());
        enable->setFocus();
        QTest::keyClick(enable, Qt::Key_Space);
        QVERIFY(Settings().CHMMSID[0].Enable);
        QVERIFY(Find<QLineEdit>("txtGPosi")->isEnabled());
        // A wrong MMSI stays in its field and holds the page, and so does an entry in use
        // without a name.
        auto* mmsi = Find<QLineEdit>("txtGMMSI");
        TypeInto(mmsi, "36612345");
        QVERIFY(!harness_->SelectNode("SM2"));
        QCOMPARE(harness_->LastShown(),
                 QString("Individual Directory|Data Error!!\nMMSI: 9 digits"));
        QCOMPARE(mmsi->text(), QString("36612345"));
        QCOMPARE(harness_->Tree()->currentItem()->text(0), QString("Memory ID1[Enable]"));
        QVERIFY(Settings().CHMMSID[0].Mmsid.empty());
        TypeInto(mmsi, "366123456");
        QVERIFY(!harness_->SelectNode("SM2"));
        QCOMPARE(Settings().CHMMSID[0].Mmsid, std::string("3661234560"));
        QCOMPARE(harness_->LastShown(),
                 QString("Individual Directory|Data Error!!\n"
                         "No.1: an entry in use needs a station name and an MMSI"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtGPosi"));

        TypeInto(Find<QLineEdit>("txtGPosi"), "HARBOUR");
        QVERIFY(harness_->SelectNode("SM2"));
        QCOMPARE(Settings().CHMMSID[0].TagName, std::string("HARBOUR"));
        QVERIFY(enable->isEnabled());

        QVERIFY(harness_->SelectNode("SM"));
        auto* grid = Find<QTableView>("MSFlexGrid2");
        QCOMPARE(grid->model()->index(0, 2).data().toString(), QString("366123456"));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(harness_->window->Editor()->CurrentKey(), std::string("SM1"));
    }

    // A group MMSI takes eight digits, and the status bar's hint says so.
    void groupMmsiHintSaysEightFigures() {
        QVERIFY(harness_->SelectNode("SG1"));
        QTest::mouseClick(Find<QCheckBox>("chkGEnable"), Qt::LeftButton);
        auto* mmsi = Find<QLineEdit>("txtGMMSI");
        mmsi->setFocus();
        QTRY_COMPARE(Find<QLabel>("sbStatusBar_0")->text(),
                     QString("Numeric Only. Indispensable 8 figures."));
        QCOMPARE(mmsi->maxLength(), 8);
    }

    void weatherNameClosesWithItsEnableBox() {
        QVERIFY(harness_->SelectNode("PW"));
        QVERIFY(Find<QLineEdit>("txtDTagName_2")->isEnabled());
        QTest::mouseClick(Find<QCheckBox>("chkDEnable_2"), Qt::LeftButton);
        QVERIFY(!Settings().CHWX[1].Enable && !Find<QLineEdit>("txtDTagName_2")->isEnabled());
    }

    // Every control writes its own field, and a filled page shows every field again.
    void everyBoundControlWritesAndShowsItsField() {
        for (const char* key : {"Usable", "Common", "DSC", "ATIS", "PW"}) {
            QVERIFY(harness_->SelectNode(key));
            const QList<QWidget*> controls = BoundControls(harness_->window->Editor()->PageFor(
                harness_->window->Editor()->CurrentNode().Kind));
            QVERIFY(controls.size() > 8);
            const SettingsRecord original = Settings();
            const auto originalShown = ShownValues(controls);
            for (QWidget* control : controls) {
                const SettingsRecord before = Settings();
                if (!Change(control)) {
                    continue; // a priority list of a group without enabled channels
                }
                QVERIFY2(Settings() != before && !Shown(control).toString().contains('_'),
                         qPrintable(control->objectName()));
            }
            const auto changedShown = ShownValues(controls);
            QVERIFY(harness_->SelectNode("General"));
            QVERIFY(harness_->SelectNode(key));
            QCOMPARE(ShownValues(controls), changedShown);
            Settings() = original;
            QVERIFY(harness_->SelectNode("General"));
            QVERIFY(harness_->SelectNode(key));
            QCOMPARE(ShownValues(controls), originalShown);
        }
    }
};

QTEST_MAIN(SettingPagesTest)
#include "SettingPagesTest.moc"
