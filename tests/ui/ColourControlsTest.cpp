#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

#include "platform/Brush.h"
#include "platform/qt/CtlColorWidgets.h"
#include "platform/qt/Window.h"
#include "res/Icons.h"
#include "res/ResourceIds.h"
#include "ui/ColorSwatch.h"
#include "ui/CtlColorCache.h"
#include "ui/PaletteGrid.h"
#include "ui/PaletteTable.h"
#include "ui/RightClickButton.h"

namespace tonik {
namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

QColor PixelOf(QWidget* widget, int x, int y)
{
    return widget->grab().toImage().pixelColor(x, y);
}

class LiveBrushesUnchanged : public testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(Brush::LiveCount(), brushesBefore); }
    int brushesBefore = Brush::LiveCount();
};

using PaletteGridTest = LiveBrushesUnchanged;

TEST_F(PaletteGridTest, PaintsEveryCellWithAGridLineAfterIt)
{
    QWidget parent;
    const QColor background(1, 2, 3);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, background);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    parent.resize(75, 89);
    auto* grid = new PaletteGrid(&parent);
    grid->setGeometry(0, 0, 75, 89);
    const QImage image = parent.grab().toImage();
    EXPECT_EQ(Brush::LiveCount(), brushesBefore);  // no brush kept after painting

    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            const CellRect cell = PaletteCellRect(row, column, 75, 89);
            const QColor expected = ColorRefToQColor(PALETTE_CELLS[size_t(row * 16 + column)]);
            for (int y = cell.top; y <= cell.bottom; ++y) {
                for (int x = cell.left; x <= cell.right; ++x) {
                    const bool line = x == cell.right || y == cell.bottom;
                    ASSERT_EQ(image.pixelColor(x, y), line ? background : expected)
                        << "row " << row << " column " << column << " at " << x << "," << y;
                }
            }
        }
    }
    // The hit test of a point in each painted cell's centre finds that cell.
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            const CellRect cell = PaletteCellRect(row, column, 75, 89);
            const int x = (cell.left + cell.right) / 2, y = (cell.top + cell.bottom) / 2;
            EXPECT_EQ(uint32_t(grid->HitTest(x, y)) & 0xFFFFFF,
                      QColorToColorRef(image.pixelColor(x, y)));
        }
    }
}

TEST_F(PaletteGridTest, FailingBrushLeavesCellsUnpainted)
{
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    parent.resize(32, 32);
    new PaletteGrid(&parent);
    parent.findChild<PaletteGrid*>()->setGeometry(0, 0, 32, 32);
    Brush::SetCreationFailsForTesting(true);
    const QImage image = parent.grab().toImage();
    Brush::SetCreationFailsForTesting(false);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(1, 2, 3));
}

using ColorSwatchTest = LiveBrushesUnchanged;

TEST_F(ColorSwatchTest, RepaintsOnlyWhenTheValueChanges)
{
    ColorSwatch swatch;
    swatch.resize(20, 10);
    swatch.show();
    Settle();
    PaintCounter paints(&swatch);
    auto repaintsFor = [&](int32_t value) {
        paints.count = 0;
        swatch.SetColor(value);
        Settle();
        return paints.count;
    };
    EXPECT_EQ(swatch.color, NO_COLOR);
    EXPECT_EQ(repaintsFor(NO_COLOR), 0);
    EXPECT_EQ(repaintsFor(0x2BCCCCCC), 1);
    EXPECT_EQ(PixelOf(&swatch, 5, 5), QColor(0xCC, 0xCC, 0xCC));
    EXPECT_EQ(repaintsFor(0x2BCCCCCC), 0);
    // A black palette cell and a black screen pixel differ: both repaint.
    EXPECT_EQ(repaintsFor(int32_t(0xFF000000)), 1);
    EXPECT_EQ(repaintsFor(0), 1);
    EXPECT_EQ(PixelOf(&swatch, 5, 5), QColor(0, 0, 0));
    EXPECT_EQ(repaintsFor(NO_COLOR), 1);
    EXPECT_EQ(PixelOf(&swatch, 5, 5), swatch.palette().color(QPalette::Button));
}

TEST_F(ColorSwatchTest, ShowsTheLowTwentyFourBits)
{
    ColorSwatch swatch;
    swatch.resize(8, 8);
    swatch.SetColor(0x00FF8000);  // red 00, green 80, blue FF
    EXPECT_EQ(PixelOf(&swatch, 2, 2), QColor(0x00, 0x80, 0xFF));
}

// A dialog stand-in that answers colour requests from its cache, as the main
// dialog does.
class CacheDialog : public QWidget, public CtlColorHandler {
public:
    CacheDialog()
    {
        for (int id : {1009, 1012, 1014, 1015, 1026, 1027, 1028}) {
            auto* label = new CtlColorLabel(QStringLiteral("SAMPLE"), this);
            label->setGeometry(0, 0, 40, 20);
            SetDlgCtrlID(label, id);
        }
        resize(60, 30);
    }
    HBRUSH OnCtlColor(ControlDC& dc, QWidget* control, unsigned type) override
    {
        return cache.OnCtlColor(dc, control, type, nullptr);
    }
    // The calls the main dialog makes while it starts.
    void Initialise()
    {
        cache.RemoveAll();
        cache.owner = this;
        cache.SetColors(GetDlgItem(this, 1012), 0, 0x00CCCCFF, 1);
        cache.SetColors(GetDlgItem(this, 1014), 0, 0x00CCFFCC, 1);
        cache.SetColors(GetDlgItem(this, 1015), 0, 0x00FFCCCC, 1);
        cache.SetColors(1028, 0, 0x00CCCCFF, 1);
        cache.SetColors(1027, 0, 0x00CCFFCC, 1);
        cache.SetColors(1026, 0, 0x00FFCCCC, 1);
        cache.SetColors(1009, 0x000000FF, 0x00FFFFFF, 1);
    }
    CtlColorCache cache;
};

std::vector<int> IdsHeadToTail(const CtlColorCache& cache)
{
    std::vector<int> ids;
    for (PtrListNode* node = cache.entries.head; node != nullptr; node = node->next)
        ids.push_back(static_cast<CtlColorEntry*>(node->data)->id);
    std::vector<int> backwards;
    for (PtrListNode* node = cache.entries.tail; node != nullptr; node = node->prev)
        backwards.insert(backwards.begin(), static_cast<CtlColorEntry*>(node->data)->id);
    EXPECT_EQ(ids, backwards);
    return ids;
}

HBRUSH BrushOf(const CtlColorCache& cache, int id)
{
    CtlColorEntry* entry = nullptr;
    return cache.Find(id, &entry) ? entry->brush.Handle() : nullptr;
}

using CtlColorCacheTest = LiveBrushesUnchanged;

TEST_F(CtlColorCacheTest, HoldsTheDialogsEntriesNewestFirst)
{
    CacheDialog dialog;
    dialog.Initialise();
    EXPECT_EQ(IdsHeadToTail(dialog.cache), (std::vector<int>{1009, 1026, 1027, 1028, 1015, 1014, 1012}));
    EXPECT_EQ(dialog.cache.entries.count, 7);
    EXPECT_EQ(Brush::LiveCount(), brushesBefore + 7);

    // The sample paints its text colour on its brush.
    QWidget* sample = GetDlgItem(&dialog, 1009);
    const QImage image = sample->grab().toImage();
    EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 255, 255));
    bool sawRedText = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sawRedText = sawRedText || image.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_TRUE(sawRedText);

    dialog.cache.RemoveAll();
    EXPECT_EQ(dialog.cache.entries.count, 0);
    EXPECT_EQ(dialog.cache.entries.head, nullptr);
    EXPECT_EQ(dialog.cache.entries.tail, nullptr);
    EXPECT_EQ(Brush::LiveCount(), brushesBefore);
}

TEST_F(CtlColorCacheTest, RepaintsAndReplacesTheBrushOnlyForRealChanges)
{
    CacheDialog dialog;
    dialog.show();
    dialog.Initialise();
    Settle();
    QWidget* sample = GetDlgItem(&dialog, 1009);
    PaintCounter paints(sample);
    const HBRUSH first = BrushOf(dialog.cache, 1009);

    EXPECT_EQ(dialog.cache.SetColors(1009, 0x000000FF, 0x00FFFFFF, 1), 1);
    EXPECT_EQ(dialog.cache.SetColors(1009, 0x2B0000FF, 0x7FFFFFFF, 1), 1);  // top bytes only
    Settle();
    EXPECT_EQ(paints.count, 0);
    EXPECT_EQ(BrushOf(dialog.cache, 1009), first);

    dialog.cache.SetColors(1009, 0x00123456, 0x00FFFFFF, 1);  // text only
    Settle();
    EXPECT_EQ(paints.count, 1);
    EXPECT_EQ(BrushOf(dialog.cache, 1009), first);

    const int live = Brush::LiveCount();
    dialog.cache.SetColors(1009, 0x00123456, 0x00000080, 1);  // background
    Settle();
    EXPECT_EQ(paints.count, 2);
    EXPECT_EQ(Brush::LiveCount(), live);  // the old brush is gone
    ControlDC dc;
    const HBRUSH answer = dialog.cache.OnCtlColor(dc, sample, CTLCOLOR_STATIC, nullptr);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->color, 0x00000080u);
    EXPECT_TRUE(dc.transparent);
    EXPECT_EQ(dc.textColor, 0x00123456u);
    EXPECT_FALSE(dc.bkColor.has_value());

    dialog.cache.SetColors(1009, 0x00123456, 0x00000081, 0);  // changed, not repainted
    Settle();
    EXPECT_EQ(paints.count, 2);
}

TEST_F(CtlColorCacheTest, UnknownAndAbsentControlsGetTheDefault)
{
    CacheDialog dialog;
    dialog.Initialise();
    const BrushObject defaultBrush{0x00ABCDEF};
    QLabel stranger;
    QLabel noId(&dialog);
    for (QWidget* control : {static_cast<QWidget*>(nullptr), static_cast<QWidget*>(&stranger),
                             static_cast<QWidget*>(&noId)}) {
        ControlDC dc;
        EXPECT_EQ(dialog.cache.OnCtlColor(dc, control, CTLCOLOR_STATIC, &defaultBrush), &defaultBrush);
        EXPECT_FALSE(dc.transparent);
        EXPECT_FALSE(dc.textColor.has_value());
    }
    SetDlgCtrlID(&stranger, 4242);
    ControlDC dc;
    EXPECT_EQ(dialog.cache.OnCtlColor(dc, &stranger, CTLCOLOR_EDIT, &defaultBrush), &defaultBrush);

    EXPECT_EQ(dialog.cache.SetColors(0, 1, 2, 1), 0);
    EXPECT_EQ(dialog.cache.SetColors(&noId, 1, 2, 1), 0);
    EXPECT_EQ(dialog.cache.Find(0), nullptr);
    EXPECT_EQ(dialog.cache.entries.count, 7);
    // An id with no control of the owner is held, and repainting finds nothing.
    EXPECT_EQ(dialog.cache.SetColors(777, 1, 2, 1), 1);
    EXPECT_EQ(dialog.cache.entries.count, 8);
}

TEST_F(CtlColorCacheTest, FailingBrushCreationLeavesTheCacheAsItWas)
{
    CacheDialog dialog;
    dialog.Initialise();
    const std::vector<int> before = IdsHeadToTail(dialog.cache);
    const int live = Brush::LiveCount();
    Brush::SetCreationFailsForTesting(true);
    EXPECT_EQ(dialog.cache.SetColors(1234, 0, 0x00FF00FF, 1), 0);
    EXPECT_EQ(IdsHeadToTail(dialog.cache), before);
    EXPECT_EQ(Brush::LiveCount(), live);

    // A background change whose brush fails keeps the colour without a brush.
    EXPECT_EQ(dialog.cache.SetColors(1009, 0, 0x00010101, 1), 1);
    Brush::SetCreationFailsForTesting(false);
    ControlDC dc;
    EXPECT_EQ(dialog.cache.OnCtlColor(dc, GetDlgItem(&dialog, 1009), CTLCOLOR_STATIC, nullptr), nullptr);
    GetDlgItem(&dialog, 1009)->grab();  // paints without a brush, without crashing
    EXPECT_EQ(dialog.cache.SetColors(1009, 0, 0x00020202, 1), 1);
    EXPECT_NE(BrushOf(dialog.cache, 1009), nullptr);
}

TEST(PtrList, OwnershipRules)
{
    struct Counting : PtrList {
        Counting() : PtrList(1) {}
        ~Counting() override { RemoveAll(ownsElements); }
        void DeleteElement(void* element) override
        {
            ++deleted;
            delete static_cast<int*>(element);
        }
        int deleted = 0;
    };
    int kept = 5;
    {
        PtrList notOwning(0);
        notOwning.AddHead(&kept);
        notOwning.AddHead(nullptr);
        EXPECT_EQ(notOwning.count, 2);
        notOwning.RemoveAll(0);
        EXPECT_EQ(notOwning.count, 0);
        EXPECT_EQ(notOwning.head, nullptr);
        notOwning.AddHead(&kept);
    }  // the element outlives the list
    EXPECT_EQ(kept, 5);

    Counting owning;
    owning.AddHead(new int(1));
    owning.AddHead(nullptr);  // null elements are skipped
    owning.AddHead(new int(2));
    PtrListNode* middle = owning.head->next;
    owning.Remove(middle);
    EXPECT_EQ(owning.head->next, owning.tail);
    EXPECT_EQ(owning.tail->prev, owning.head);
    owning.RemoveAll(1);
    EXPECT_EQ(owning.deleted, 2);
    EXPECT_EQ(owning.tail, nullptr);
}

// A parent that records the notifications it gets.
class NotifyRecorder : public QWidget, public NotifyHandler {
public:
    bool OnNotify(uintptr_t wParam, NMHDR* header, intptr_t*) override
    {
        wParams.push_back(wParam);
        headers.push_back(*header);
        return true;
    }
    std::vector<uintptr_t> wParams;
    std::vector<NMHDR> headers;
};

TEST(RightClickButton, RightPressNotifiesTheParentFirst)
{
    NotifyRecorder parent;
    parent.resize(100, 100);
    auto* button = new RightClickButton(&parent);
    button->setGeometry(10, 10, 30, 30);
    SetDlgCtrlID(button, 1023);
    parent.show();
    QSignalSpy clicks(button, &RightClickButton::clicked);

    QTest::mousePress(button, Qt::RightButton);
    ASSERT_EQ(parent.headers.size(), 1u);  // handled before the press returned
    EXPECT_EQ(parent.wParams[0], 1023u);
    EXPECT_EQ(parent.headers[0].idFrom, 1023u);
    EXPECT_EQ(parent.headers[0].code, NM_RCLICK);
    EXPECT_EQ(parent.headers[0].hwndFrom, button);
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseRelease(button, Qt::RightButton);
    // The double click that follows a press is no second press, of either button.
    QTest::mouseDClick(button, Qt::RightButton);
    QTest::mouseDClick(button, Qt::LeftButton);
    EXPECT_EQ(parent.headers.size(), 1u);
    EXPECT_EQ(clicks.count(), 0);

    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(parent.headers.size(), 1u);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(button, Qt::MiddleButton);
    EXPECT_EQ(parent.headers.size(), 1u);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(Icons, TheDropperStaysCrispOnAScreenScaledByTwo)
{
    // Scaled by 2, the 32-pixel icon and the cursor come from drawings of
    // twice the pixels, not from the small ones blown up.
    const QPixmap icon = LoadIconResource(IDI_DROPPER).pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(icon.size(), QSize(64, 64));
    const QImage shown = icon.toImage();
    const QImage drawn(QStringLiteral(":/tonik/icons/dropper-64.png"));
    int different = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            different += qAlpha(shown.pixel(x, y)) != qAlpha(drawn.pixel(x, y));
    }
    EXPECT_EQ(different, 0);
    const QCursor doubled = LoadDropperCursor(2.0);
    EXPECT_EQ(doubled.pixmap().size(), QSize(64, 64));
    EXPECT_EQ(doubled.pixmap().devicePixelRatio(), 2.0);
    EXPECT_EQ(doubled.hotSpot(), QPoint(16, 15));
    const QCursor plain = LoadDropperCursor(1.0);
    EXPECT_EQ(plain.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(plain.hotSpot(), QPoint(16, 15));
}

}  // namespace
}  // namespace tonik
