#include "ui/ColourVisionView.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

#include "color/ColorVision.h"
#include "color/Contrast.h"
#include "platform/qt/Window.h"

namespace tonik {
namespace {

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
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, QStringLiteral("SAMPLE"));
    }
    // The same on the selected row: its colours are the point.
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

}  // namespace

ColourVisionView::ColourVisionView(QWidget* dialog) : QDialog(dialog)
{
    setWindowTitle(QStringLiteral("Colour Vision"));
    setFont(dialog->font());
    rows = new QListWidget(this);
    rows->setAccessibleName(QStringLiteral("The pair as each reader sees it"));
    const QFontMetrics metrics(font());
    rows->setIconSize(QSize(metrics.horizontalAdvance(QStringLiteral("SAMPLE")) + 16, metrics.height() + 10));
    for (size_t i = 0; i < VISIONS.size(); ++i)
        rows->addItem(QString());
    fixNote = new QLabel(this);
    fixNote->setWordWrap(true);
    fixNote->hide();
    auto* model = new QLabel(QStringLiteral("Simulated with the model of Machado, Oliveira and Fernandes (2009) "
                                            "at full severity: an approximation of what each reader sees."),
                             this);
    model->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rows);
    layout->addWidget(fixNote);
    layout->addWidget(model);
    // As wide as the longest row, five rows high.
    SetPair(0, 0xFFFFFF);
    rows->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows->setFixedSize(rows->sizeHintForColumn(0) + 2 * rows->frameWidth() + 8,
                       rows->sizeHintForRow(0) * int(VISIONS.size()) + 2 * rows->frameWidth());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    rows->setCurrentRow(0);
}

void ColourVisionView::SetPair(uint32_t text, uint32_t background)
{
    const std::pair pair(text & 0xFFFFFFu, background & 0xFFFFFFu);
    if (shown == pair)
        return;
    shown = pair;
    fixNote->hide();
    const qreal scale = devicePixelRatioF();
    for (size_t i = 0; i < VISIONS.size(); ++i) {
        const VisionPair seen = SeePair(pair.first, pair.second, VISIONS[i]);
        QListWidgetItem* row = rows->item(int(i));
        const QString name = QString::fromLatin1(VisionName(seen.vision));
        row->setIcon(SampleIcon(seen, font(), rows->iconSize(), scale));
        row->setText(name + QStringLiteral("   ") + QString::fromStdString(ContrastText(seen.ratio)));
        row->setData(Qt::AccessibleTextRole, name + QStringLiteral(": ") + QString::fromStdString(ContrastSpokenText(seen.ratio)));
    }
}

void ColourVisionView::NoteFix()
{
    if (!shown)
        return;
    QStringList failing;
    for (Vision vision : VISIONS) {
        if (SeePair(shown->first, shown->second, vision).ratio < AA_RATIO)
            failing << QString::fromLatin1(VisionName(vision));
    }
    fixNote->setText(failing.isEmpty() ? QStringLiteral("After Fix, every row passes AA.")
                                       : QStringLiteral("After Fix, still failing AA: %1.").arg(failing.join(QStringLiteral(", "))));
    fixNote->show();
}

}  // namespace tonik
