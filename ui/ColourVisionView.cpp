#include "ui/ColourVisionView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

#include "color/ColorVision.h"
#include "color/Contrast.h"
#include "platform/qt/Window.h"
#include "ui/ContrastStrip.h"

namespace tonik {
namespace {

// The rows' names, in the order of VISIONS, translated where they are shown.
constexpr const char* VISION_NAMES[] = {QT_TRANSLATE_NOOP("Vision", "As it is"), QT_TRANSLATE_NOOP("Vision", "Protanopia"),
                                        QT_TRANSLATE_NOOP("Vision", "Deuteranopia"), QT_TRANSLATE_NOOP("Vision", "Tritanopia"),
                                        QT_TRANSLATE_NOOP("Vision", "Achromatopsia")};
static_assert(std::size(VISION_NAMES) == VISIONS.size());

QString Tr(const char* text)
{
    return QCoreApplication::translate("Vision", text);
}

QString SampleText()
{
    return QCoreApplication::translate("Dialog", "SAMPLE");
}

// SAMPLE in the two colours, as the dialog shows it.
QIcon SampleIcon(const VisionPair& seen, const QFont& font, QSize size, qreal scale)
{
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(ColorRefToQColor(seen.background));
    {
        QPainter painter(&pixmap);
        painter.setFont(font);
        painter.setPen(ColorRefToQColor(seen.text));
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, SampleText());
    }
    // The same on the selected row: its colours are the point.
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

}  // namespace

ColourVisionView::ColourVisionView(QWidget* dialog) : QDialog(dialog)
{
    setWindowTitle(Tr(QT_TRANSLATE_NOOP("Vision", "Colour Vision")));
    setFont(dialog->font());
    rows = new QListWidget(this);
    rows->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Vision", "The pair as each reader sees it")));
    const QFontMetrics metrics(font());
    rows->setIconSize(QSize(metrics.horizontalAdvance(SampleText()) + 16, metrics.height() + 10));
    for (size_t i = 0; i < VISIONS.size(); ++i)
        rows->addItem(QString());
    fixNote = new QLabel(this);
    fixNote->setWordWrap(true);
    fixNote->hide();
    auto* model = new QLabel(Tr(QT_TRANSLATE_NOOP("Vision", "Simulated with the model of Machado, Oliveira and "
                                                            "Fernandes (2009) at full severity: an approximation "
                                                            "of what each reader sees.")),
                             this);
    model->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rows);
    layout->addWidget(fixNote);
    layout->addWidget(model);
    // As wide as the longest row, five rows high.
    PairFocus open;
    open.onScreen = false;
    open.visionOpen = true;
    Show(PairPresentation(PairWords{ReaderContrastWords()}).Show(0, 0xFFFFFF, true, PairCause::Start, open));
    rows->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows->setFixedSize(rows->sizeHintForColumn(0) + 2 * rows->frameWidth() + 8,
                       rows->sizeHintForRow(0) * int(VISIONS.size()) + 2 * rows->frameWidth());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    rows->setCurrentRow(0);
}

void ColourVisionView::Show(const PairView& view)
{
    if (view.vision.size() != VISIONS.size())
        return;
    const std::pair pair(view.vision[0].seen.text & 0xFFFFFFu, view.vision[0].seen.background & 0xFFFFFFu);
    if (shown != pair) {
        shown = pair;
        fixNote->hide();
        const qreal scale = devicePixelRatioF();
        for (size_t i = 0; i < VISIONS.size(); ++i) {
            const VisionRow& seen = view.vision[i];
            QListWidgetItem* row = rows->item(int(i));
            const QString name = Tr(VISION_NAMES[i]);
            row->setIcon(SampleIcon(seen.seen, font(), rows->iconSize(), scale));
            row->setText(name + QStringLiteral("   ") + QString::fromStdString(seen.shown));
            row->setData(Qt::AccessibleTextRole,
                         Tr(QT_TRANSLATE_NOOP("Vision", "%1: %2")).arg(name, QString::fromStdString(seen.spoken)));
        }
    }
    if (!view.visionAfterFix)
        return;
    QStringList failing;
    for (size_t i = 0; i < VISIONS.size(); ++i) {
        if (view.vision[i].failsAa)
            failing << Tr(VISION_NAMES[i]);
    }
    fixNote->setText(failing.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Vision", "After Fix, every row passes AA."))
                                       : Tr(QT_TRANSLATE_NOOP("Vision", "After Fix, still failing AA: %1."))
                                             .arg(failing.join(QStringLiteral(", "))));
    fixNote->show();
}

}  // namespace tonik
