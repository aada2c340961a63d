#include "verticalscrollarea.h"

#include <QEvent>
#include <QLayout>
#include <QScrollBar>

TVerticalScrollArea::TVerticalScrollArea(QWidget* parent) : QScrollArea(parent)
{
    // The contents are sized here rather than by the scroll area: one that resizes its contents gives
    // contents with a height for their width (a wrapped label) their preferred height, and so scrolls
    // parts that would fit at their smallest size.
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

int TVerticalScrollArea::Width_For(int contents_width) const
{
    return contents_width + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

QSize TVerticalScrollArea::minimumSizeHint() const
{
    const QSize area = QScrollArea::minimumSizeHint();
    return widget() ? QSize(Width_For(widget()->minimumSizeHint().width()), area.height()) : area;
}

QSize TVerticalScrollArea::sizeHint() const
{
    if (!widget())
    {
        return QScrollArea::sizeHint();
    }
    const QSize contents = widget()->sizeHint();
    return QSize(Width_For(contents.width()), contents.height() + 2 * frameWidth());
}

void TVerticalScrollArea::Fit_Contents()
{
    QWidget* contents = widget();
    if (!contents)
    {
        return;
    }
    const QSize smallest = contents->minimumSizeHint();
    contents->resize(qMax(viewport()->width(), smallest.width()),
                     qMax(viewport()->height(), smallest.height()));
}

void TVerticalScrollArea::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    Fit_Contents();
}

bool TVerticalScrollArea::eventFilter(QObject* watched, QEvent* event)
{
    // The contents to be laid out anew (a part shown or hidden) may need another size, and the area
    // another width: both are settled with the contents' new layout.
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
    {
        if (QLayout* layout = widget()->layout())
        {
            layout->activate();
        }
        Fit_Contents();
        updateGeometry();
    }
    return QScrollArea::eventFilter(watched, event);
}
