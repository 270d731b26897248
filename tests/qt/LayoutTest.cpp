#include "QtTestSupport.h"

#include "DialogUnits.h"
#include "QtControlBuilder.h"
#include "Resource.h"
#include "Templates.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
class NullSite : public IDialogSite {
public:
    void SiteInitDialog() override {}
    void SiteCommand(int, int) override {}
    void SiteKey(DialogKey) override {}
    void SiteShown() override {}
};

class LayoutTest : public QtDialogTest {
protected:
    std::unique_ptr<CQtDialogWindow> Build(UINT nTemplateID)
    {
        const DialogTemplate* pTmpl = FindOrvaneDialog(nTemplateID);
        EXPECT_NE(pTmpl, nullptr);
        return std::make_unique<CQtDialogWindow>(*pTmpl, m_site, nullptr);
    }
    NullSite m_site;
};

bool HasKind(QWidget* pWidget, ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
        return qobject_cast<QPushButton*>(pWidget) && !static_cast<QPushButton*>(pWidget)->isDefault();
    case ControlKind::DefPushButton:
        return qobject_cast<QPushButton*>(pWidget) && static_cast<QPushButton*>(pWidget)->isDefault();
    case ControlKind::AutoCheckBox:
        return qobject_cast<QCheckBox*>(pWidget) != nullptr;
    case ControlKind::GroupBox:
        return qobject_cast<QGroupBox*>(pWidget) != nullptr;
    case ControlKind::Static:
    case ControlKind::Icon:
        return qobject_cast<QLabel*>(pWidget) != nullptr;
    case ControlKind::Edit:
        return qobject_cast<QLineEdit*>(pWidget) != nullptr;
    case ControlKind::ListBox:
        return qobject_cast<QListWidget*>(pWidget) != nullptr;
    }
    return false;
}
}  // namespace

TEST(DialogUnitsTest, BaseUnitsAreTheRoundedAverageLetterWidthAndTheLineHeight)
{
    struct Case {
        int nLettersWidth, nLineHeight, nBaseX, nBaseY;
    } const cases[] = {
        {312, 13, 6, 13},  // 12 per letter pair
        {337, 15, 6, 15},  // 12.96: the pair width is cut before rounding
        {338, 16, 7, 16},  // 13 rounds up to 7
        {389, 16, 7, 16},  // 14.96
        {390, 17, 8, 17},
    };
    for (const Case& c : cases) {
        const CDialogUnits units = CDialogUnits::FromMetrics(c.nLettersWidth, c.nLineHeight);
        EXPECT_EQ(units.BaseX(), c.nBaseX) << c.nLettersWidth;
        EXPECT_EQ(units.BaseY(), c.nBaseY) << c.nLineHeight;
    }
}

TEST(DialogUnitsTest, ScalesEachValueAndRoundsHalvesUp)
{
    CDialogUnits units(6, 13);
    EXPECT_EQ(units.ToPixelsX(1), 2);  // 1.5
    EXPECT_EQ(units.ToPixelsX(2), 3);
    EXPECT_EQ(units.ToPixelsX(275), 413);  // 412.5
    EXPECT_EQ(units.ToPixelsY(4), 7);      // 6.5
    EXPECT_EQ(units.ToPixelsY(3), 5);      // 4.875
    EXPECT_EQ(units.ToPixelsY(199), 323);  // 323.375
    EXPECT_EQ(units.ToPixelsX(-1), -2);
    // A place and a size are converted separately, not as the two edges.
    EXPECT_EQ(units.ToPixels(1, 1, 1, 1), QRect(2, 2, 2, 2));
}

TEST_F(LayoutTest, BaseUnitsComeFromTheSystemFontAtTheTemplateSize)
{
    auto pWindow = Build(IDD_CHIPLIST_DIALOG);
    QFont font = QApplication::font();
    font.setPointSize(8);
    const QFontMetrics metrics(font);
    const CDialogUnits expected = CDialogUnits::FromMetrics(
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"), metrics.height());
    EXPECT_EQ(pWindow->Units().BaseX(), expected.BaseX());
    EXPECT_EQ(pWindow->Units().BaseY(), expected.BaseY());
    EXPECT_EQ(pWindow->Widget()->font().pointSize(), 8);
}

TEST_F(LayoutTest, EveryTemplateBecomesWidgetsAtTheConvertedPlaces)
{
    for (UINT nID : {IDD_CHIPLIST_DIALOG, IDD_SELECT_TYPE, IDD_EDIT_STRING, IDD_SETUP_I2C, IDD_SETUP_MICROWIRE}) {
        SCOPED_TRACE(nID);
        const DialogTemplate& tmpl = *FindOrvaneDialog(nID);
        auto pWindow = Build(nID);
        const CDialogUnits& u = pWindow->Units();
        QDialog* pDialog = pWindow->Widget();
        EXPECT_EQ(pDialog->windowTitle(), QString(tmpl.pszCaption));
        EXPECT_EQ(pDialog->minimumSize(), QSize(u.ToPixelsX(tmpl.cx), u.ToPixelsY(tmpl.cy)));
        EXPECT_EQ(pDialog->maximumSize(), pDialog->minimumSize());
        const Qt::WindowFlags flags = pDialog->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

        for (std::size_t i = 0; i < tmpl.controls.size(); ++i) {
            const ControlTemplate& ct = tmpl.controls[i];
            SCOPED_TRACE(ct.pszText);
            QWidget* pWidget = pWindow->ControlWidgetAt(i);
            ASSERT_NE(pWidget, nullptr);
            EXPECT_TRUE(HasKind(pWidget, ct.kind));
            EXPECT_EQ(pWidget->pos(), QPoint(u.ToPixelsX(ct.x), u.ToPixelsY(ct.y)));
            if (ct.kind != ControlKind::Icon) {
                EXPECT_EQ(pWidget->size(), QSize(u.ToPixelsX(ct.cx), u.ToPixelsY(ct.cy)));
            }
            EXPECT_EQ(pWidget->isEnabled(), !(ct.dwStyle & WS_DISABLED));
            if (ct.nID != -1) {
                EXPECT_EQ(pWindow->ControlWidget(ct.nID), pWidget);
            }
        }
    }
}

TEST_F(LayoutTest, ChipListWindowShowsItsIconAndVersionInTheButtonColumn)
{
    auto pWindow = Build(IDD_CHIPLIST_DIALOG);
    const DialogTemplate& tmpl = *FindOrvaneDialog(IDD_CHIPLIST_DIALOG);
    for (std::size_t i = 0; i < tmpl.controls.size(); ++i) {
        if (tmpl.controls[i].kind == ControlKind::Icon) {
            auto* pIcon = static_cast<QLabel*>(pWindow->ControlWidgetAt(i));
            EXPECT_EQ(pIcon->size(), QSize(CQtControlBuilder::kIconSize, CQtControlBuilder::kIconSize));
            QImage picture = pIcon->pixmap().toImage();
            ASSERT_EQ(picture.size(), QSize(32, 32));
            EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "'.' pixels are transparent";
        }
        if (tmpl.controls[i].kind == ControlKind::Static) {
            EXPECT_EQ(static_cast<QLabel*>(pWindow->ControlWidgetAt(i))->text(), "Ver. 1.01.0");
        }
    }
    // The list has no horizontal bar and the buttons sit right of it.
    auto* pList = static_cast<QListWidget*>(pWindow->ControlWidget(IDC_CHIP_LIST));
    EXPECT_EQ(pList->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_GT(pWindow->ControlWidget(IDC_ADD_NEW)->x(), pList->geometry().right());
}

TEST_F(LayoutTest, PowerPinBoxesAreLaidOutLikeAnEightPinPackage)
{
    const int nPinIDs[8] = {IDC_POWER_PIN1, IDC_POWER_PIN2, IDC_POWER_PIN3, IDC_POWER_PIN4,
                            IDC_POWER_PIN5, IDC_POWER_PIN6, IDC_POWER_PIN7, IDC_POWER_PIN8};
    for (UINT nID : {IDD_SETUP_I2C, IDD_SETUP_MICROWIRE}) {
        SCOPED_TRACE(nID);
        auto pWindow = Build(nID);
        pWindow->Widget()->show();  // hit-testing needs shown widgets
        QRect pins[8];
        for (int k = 0; k < 8; ++k) {
            auto* pBox = qobject_cast<QCheckBox*>(pWindow->ControlWidget(nPinIDs[k]));
            ASSERT_NE(pBox, nullptr);
            EXPECT_EQ(pBox->text(), QString::number(k + 1));
            pins[k] = pBox->geometry();
            // The group box, listed after the boxes, must not cover them.
            EXPECT_EQ(pWindow->Widget()->childAt(pins[k].center()), pBox);
        }
        // Pins 1 to 4 run down the left column, 5 to 8 up the right one, so that pin
        // k faces pin 9 - k, as on the package.
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(pins[k].x(), pins[0].x());
            EXPECT_EQ(pins[7 - k].x(), pins[7].x());
            EXPECT_GT(pins[7 - k].left(), pins[k].right());
            EXPECT_EQ(pins[7 - k].y(), pins[k].y());
            if (k > 0) {
                EXPECT_GE(pins[k].top(), pins[k - 1].bottom());
            }
        }
        // One group box frames all eight.
        QRect all;
        for (const QRect& rc : pins)
            all |= rc;
        int nFraming = 0;
        for (const QGroupBox* pGroup : pWindow->Widget()->findChildren<QGroupBox*>())
            nFraming += pGroup->geometry().contains(all) ? 1 : 0;
        EXPECT_EQ(nFraming, 1);
    }
}

TEST_F(LayoutTest, TabOrderFollowsTheTemplateOverTabStops)
{
    for (UINT nID : {IDD_CHIPLIST_DIALOG, IDD_SELECT_TYPE, IDD_EDIT_STRING, IDD_SETUP_I2C, IDD_SETUP_MICROWIRE}) {
        SCOPED_TRACE(nID);
        const DialogTemplate& tmpl = *FindOrvaneDialog(nID);
        auto pWindow = Build(nID);
        std::vector<QWidget*> expected;
        for (std::size_t i = 0; i < tmpl.controls.size(); ++i) {
            QWidget* pWidget = pWindow->ControlWidgetAt(i);
            if (tmpl.controls[i].dwStyle & WS_TABSTOP)
                expected.push_back(pWidget);
            else
                EXPECT_FALSE(pWidget->focusPolicy() & Qt::TabFocus);
        }
        ASSERT_FALSE(expected.empty());
        std::vector<QWidget*> chain{expected.front()};
        for (QWidget* p = expected.front()->nextInFocusChain(); p != expected.front() && chain.size() < 64;
             p = p->nextInFocusChain()) {
            if (p->focusPolicy() & Qt::TabFocus)
                chain.push_back(p);
        }
        EXPECT_EQ(chain, expected);
    }
}

TEST_F(LayoutTest, FormBoxesTakeEveryValueTheirRangeAllows)
{
    struct Case {
        UINT nTemplate;
        int nID;
        const char* pszValue;
    } const cases[] = {
        {IDD_SETUP_I2C, IDC_WRITE_BUFFER, "255"},   {IDD_SETUP_I2C, IDC_LENGTH, "1048576"},
        {IDD_SETUP_I2C, IDC_PIN_CLK, "8"},          {IDD_SETUP_MICROWIRE, IDC_BITS_ADDRESS, "16"},
        {IDD_SETUP_MICROWIRE, IDC_LENGTH, "1048576"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszValue);
        auto pWindow = Build(c.nTemplate);
        auto* pEdit = qobject_cast<QLineEdit*>(pWindow->ControlWidget(c.nID));
        ASSERT_NE(pEdit, nullptr);
        TypeKeys(pEdit, c.pszValue);
        EXPECT_EQ(pEdit->text(), c.pszValue);
    }
    // The one-line string editor does not scroll, so it stops when full.
    auto pWindow = Build(IDD_EDIT_STRING);
    auto* pEdit = qobject_cast<QLineEdit*>(pWindow->ControlWidget(IDC_STRING_TEXT));
    TypeKeys(pEdit, QString(200, QChar('m')));
    EXPECT_GT(pEdit->text().size(), 10);
    EXPECT_LT(pEdit->text().size(), 200);
}
