#include "QtTestSupport.h"

#include "Resource.h"
#include "Templates.h"
#include "WinApp.h"

#include <QAccessible>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

namespace {
using Role = QAccessible::Role;

struct Node {
    Role role;
    const char* pszName;
};

struct Window {
    UINT nID;
    std::vector<Node> focusable;  // in template order, which is also the tab order
};

const Node kOK{QAccessible::Button, "OK"}, kCancel{QAccessible::Button, "Cancel"};
Node Pin(const char* pszName) { return {QAccessible::CheckBox, pszName}; }
Node Edit(const char* pszName) { return {QAccessible::EditableText, pszName}; }
Node Button(const char* pszName) { return {QAccessible::Button, pszName}; }

const Window kWindows[] = {
    {IDD_CHIPLIST_DIALOG,
     {kCancel, {QAccessible::List, "Chips"}, Button("Add New"), Button("Edit chip"), Button("Delete Chip")}},
    {IDD_SELECT_TYPE,
     {kOK, kCancel, {QAccessible::List, "Types"}, Button("New type"), Button("Edit Type"), Button("Delete Type")}},
    {IDD_EDIT_STRING, {kOK, kCancel, Edit("Type name")}},
    {IDD_SETUP_I2C,
     {kOK, kCancel, Pin("1"), Pin("2"), Pin("3"), Pin("4"), Pin("8"), Pin("7"), Pin("6"), Pin("5"),
      Edit("Pin CLK"), Edit("Pin DATA"), Edit("Write buffer"), Edit("Name"), Edit("Lenght")}},
    {IDD_SETUP_MICROWIRE,
     {kOK, kCancel, Pin("1"), Pin("2"), Pin("3"), Pin("4"), Pin("8"), Pin("7"), Pin("6"), Pin("5"),
      Edit("Pin CLK"), Edit("Name"), Edit("Lenght"), Edit("Pin DATAIn"), Edit("Pin DATAO"),
      {QAccessible::CheckBox, "16 bits"}, Edit("Pin CS"), Edit("Bits address")}},
};

QAccessibleInterface* Accessible(QObject* pObject) { return QAccessible::queryAccessibleInterface(pObject); }

// The objects under pRoot, itself included, that claim the focus. A focused object counts
// once with what lies under it, such as a focused list's current row; an object claiming
// the focus under one that does not hold it counts on its own.
int CountFocused(QAccessibleInterface* pRoot)
{
    if (pRoot->state().focused)
        return 1;
    int nFocused = 0;
    for (int i = 0; i < pRoot->childCount(); ++i)
        nFocused += CountFocused(pRoot->child(i));
    return nFocused;
}

// The focusable objects under pRoot in tree order; bDeep looks into containers as well.
void CollectFocusable(QAccessibleInterface* pRoot, bool bDeep, std::vector<QAccessibleInterface*>& found)
{
    for (int i = 0; i < pRoot->childCount(); ++i) {
        QAccessibleInterface* pChild = pRoot->child(i);
        if (pChild->state().focusable)
            found.push_back(pChild);
        else if (bDeep)
            CollectFocusable(pChild, bDeep, found);
    }
}

std::vector<QAccessibleInterface*> FocusableChildren(QWidget* pWindow, bool bDeep = false)
{
    std::vector<QAccessibleInterface*> found;
    CollectFocusable(Accessible(pWindow), bDeep, found);
    return found;
}

// Presses Tab once for every enabled object and checks that the focus visits them in
// accessible order, one object claiming it at a time.
void TabThrough(QWidget* pWindow, const std::vector<QAccessibleInterface*>& order, const std::string& strWhere)
{
    std::vector<QAccessibleInterface*> enabled;
    for (QAccessibleInterface* pChild : order)
        if (!pChild->state().disabled)
            enabled.push_back(pChild);
    ASSERT_FALSE(enabled.empty());
    pWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pWindow)) << strWhere;
    static_cast<QWidget*>(enabled.front()->object())->setFocus(Qt::TabFocusReason);
    for (std::size_t nStep = 0; nStep <= enabled.size(); ++nStep) {
        QAccessibleInterface* pExpected = enabled[nStep % enabled.size()];
        EXPECT_TRUE(pExpected->state().focused) << strWhere << " step " << nStep << ": " << pExpected->text(QAccessible::Name).toStdString();
        EXPECT_EQ(CountFocused(Accessible(pWindow)), 1) << strWhere << " step " << nStep;
        QWidget* pFocus = pWindow->focusWidget();
        QTest::keyClick(pFocus ? pFocus : pWindow, Qt::Key_Tab);
    }
}

class AccessibilityTest : public QtDialogTest {};
}  // namespace

TEST_F(AccessibilityTest, EveryControlHasItsRoleAndNameInTabOrder)
{
    for (const Window& window : kWindows) {
        CDialog dlg(window.nID);
        RunModalScript(dlg, [&](CQtDialogWindow& wnd) {
            const std::string strWhere = "template " + std::to_string(window.nID);
            // Rows in the list, one current, so that its items are in the tree too.
            for (int nList : {IDC_CHIP_LIST, IDC_TYPE_LIST}) {
                wnd.ListSetStrings(nList, {"24C02", "24C16", "93C46"});
                wnd.ListSetCurSel(nList, 1);
            }
            // The accessible tree lists the controls in template order.
            QAccessibleInterface* pRoot = Accessible(wnd.Widget());
            EXPECT_EQ(static_cast<std::size_t>(pRoot->childCount()), FindOrvaneDialog(window.nID)->controls.size());
            for (int i = 0; i < pRoot->childCount(); ++i)
                EXPECT_EQ(pRoot->child(i)->object(), wnd.ControlWidgetAt(static_cast<std::size_t>(i))) << strWhere << " " << i;

            const std::vector<QAccessibleInterface*> focusable = FocusableChildren(wnd.Widget());
            ASSERT_EQ(focusable.size(), window.focusable.size()) << strWhere;
            for (std::size_t i = 0; i < focusable.size(); ++i) {
                EXPECT_EQ(focusable[i]->role(), window.focusable[i].role) << strWhere << " " << i;
                EXPECT_EQ(focusable[i]->text(QAccessible::Name).toStdString(), window.focusable[i].pszName) << strWhere;
            }
            TabThrough(wnd.Widget(), focusable, strWhere);
            wnd.EndModal(IDCANCEL);
        });
    }
}

TEST_F(AccessibilityTest, CaptionsLabelTheirBoxesAndValuesAndTheGroupDescribesItsPins)
{
    CDialog dlg(IDD_SETUP_I2C);
    RunModalScript(dlg, [](CQtDialogWindow& wnd) {
        wnd.SetText(IDC_PORT_READ, "00010000");
        const struct {
            int nID;
            const char* pszCaption;
        } kLabelled[] = {{IDC_PIN_CLK, "Pin CLK"},     {IDC_NAME, "Name"},           {IDC_LENGTH, "Lenght"},
                         {IDC_ADDR_I2C, "Addr I2C"},   {IDC_PORT_WRITE, "Port Write"}, {IDC_PORT_READ, "Port Read"}};
        for (const auto& labelled : kLabelled) {
            const auto relations = Accessible(wnd.ControlWidget(labelled.nID))->relations(QAccessible::Label);
            ASSERT_EQ(relations.size(), 1) << labelled.nID;
            EXPECT_EQ(relations[0].first->text(QAccessible::Name).toStdString(), labelled.pszCaption);
        }
        QAccessibleInterface* pValue = Accessible(wnd.ControlWidget(IDC_PORT_READ));
        EXPECT_EQ(pValue->text(QAccessible::Name), "00010000");
        EXPECT_EQ(pValue->text(QAccessible::Description), "Port Read");
        QAccessibleInterface* pPin = Accessible(wnd.ControlWidget(IDC_POWER_PIN8));
        EXPECT_EQ(pPin->text(QAccessible::Name), "8");
        EXPECT_EQ(pPin->text(QAccessible::Description), "Power Pins");
        // The group box, stacked over the pins, lets a click through to them.
        wnd.Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(wnd.Widget()));
        QWidget* pPinBox = wnd.ControlWidget(IDC_POWER_PIN8);
        QTest::mouseClick(wnd.Widget()->windowHandle(), Qt::LeftButton, {},
                          pPinBox->mapTo(wnd.Widget(), QPoint(4, pPinBox->height() / 2)));
        EXPECT_EQ(wnd.GetCheck(IDC_POWER_PIN8), 1);
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(AccessibilityTest, MessageBoxesAreAlertsWithTheirTextAndButtons)
{
    const struct {
        UINT nType;
        std::vector<const char*> buttons;
    } kBoxes[] = {{MB_OK | MB_ICONEXCLAMATION, {"OK"}}, {MB_YESNO, {"Yes", "No"}}};
    for (const auto& kind : kBoxes) {
        OnNextMessageBox([&](QMessageBox& box) {
            QAccessibleInterface* pBox = Accessible(&box);
            EXPECT_EQ(pBox->role(), QAccessible::AlertMessage);
            EXPECT_EQ(pBox->text(QAccessible::Value), "Can't open the file.");
            std::vector<QAccessibleInterface*> buttons;
            for (QAccessibleInterface* pChild : FocusableChildren(&box, true))
                if (pChild->role() == QAccessible::Button)
                    buttons.push_back(pChild);
            EXPECT_EQ(buttons.size(), kind.buttons.size());
            for (std::size_t i = 0; i < buttons.size() && i < kind.buttons.size(); ++i)
                EXPECT_EQ(buttons[i]->text(QAccessible::Name).remove('&').toStdString(), kind.buttons[i]);
            if (!buttons.empty())
                TabThrough(&box, buttons, "message box");
            box.defaultButton()->click();
        });
        AfxMessageBox("Can't open the file.", kind.nType);
    }
}

TEST_F(AccessibilityTest, AListsCurrentRowClaimsTheFocusOnlyWithTheList)
{
    CDialog dlg(IDD_CHIPLIST_DIALOG);
    RunModalScript(dlg, [](CQtDialogWindow& wnd) {
        wnd.ListSetStrings(IDC_CHIP_LIST, {"24C02", "24C16", "93C46"});
        wnd.ListSetCurSel(IDC_CHIP_LIST, 1);
        wnd.Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(wnd.Widget()));
        QAccessibleInterface* pList = Accessible(wnd.ControlWidget(IDC_CHIP_LIST));
        auto rowFocused = [pList](int nRow) { return pList->child(nRow)->state().focused; };
        EXPECT_FALSE(rowFocused(1));
        wnd.ControlWidget(IDC_CHIP_LIST)->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(rowFocused(1));
        PressKey(wnd, Qt::Key_Tab);
        EXPECT_FALSE(rowFocused(1));
        EXPECT_EQ(wnd.ListGetCurSel(IDC_CHIP_LIST), 1);
        // The row comes back with the focus, and the keys move on from it.
        PressKey(wnd, Qt::Key_Backtab);
        EXPECT_TRUE(rowFocused(1));
        PressKey(wnd, Qt::Key_Down);
        EXPECT_EQ(wnd.ListGetCurSel(IDC_CHIP_LIST), 2);
        wnd.EndModal(IDCANCEL);
    });
}
