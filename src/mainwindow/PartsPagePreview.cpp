// The selectors' open lists: whatever item the player highlights, with the mouse or the keys,
// is reported with where it stands, so that a preview of the choice can stand beside it;
// closing the list ends the preview. And the figures: the pointer resting on one asks for its
// breakdown. Nothing here changes the assembly.
#include "mainwindow/PartsPage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {

// Moving from one figure to the next within this time shows the next one's breakdown at once,
// as tooltips do.
constexpr qint64 kStillExplainingMs = 800;

} // namespace

void PartsPage::watchDropDowns()
{
    for (rivet::Selector selector : rivet::allSelectors()) {
        QComboBox* box = m_selectors[rivet::selectorIndex(selector)];
        connect(box, qOverload<int>(&QComboBox::highlighted), this,
                [this, selector](int item) { requestPreview(selector, item); });
        // The frame the list drops down in: its showing and hiding open and end the preview.
        box->view()->window()->installEventFilter(this);
    }
}

void PartsPage::requestPreview(rivet::Selector selector, int item)
{
    QComboBox* box = m_selectors[rivet::selectorIndex(selector)];
    QAbstractItemView* list = box->view();
    QWidget* frame = list->window();
    if (!frame->isVisible() || item < 0 || item >= box->count()) {
        return;
    }
    const QModelIndex index = list->model()->index(item, box->modelColumn(), box->rootModelIndex());
    const QRect line = list->visualRect(index);
    const QPoint top = list->viewport()->mapToGlobal(line.topLeft());
    const QRect around = frame->frameGeometry();
    const int y = std::clamp(top.y(), around.top(), std::max(around.top(), around.bottom() - line.height()));
    Q_EMIT previewRequested(selector, item, QRect(around.left(), y, around.width(), line.height()));
}

void PartsPage::watchFigures()
{
    for (rivet::Figure f : rivet::allFigures()) {
        for (QLabel* label : {m_captionLabels[f], m_figureLabels[f], m_verdictLabels[f]}) {
            if (label) {
                label->installEventFilter(this);
            }
        }
    }
}

bool PartsPage::trackFigureHover(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ToolTip && type != QEvent::Enter && type != QEvent::Leave) {
        return false;
    }
    for (rivet::Figure f : rivet::allFigures()) {
        QLabel* caption = m_captionLabels[f];
        if (watched != caption && watched != m_figureLabels[f] && watched != m_verdictLabels[f]) {
            continue;
        }
        if (type == QEvent::Leave) {
            if (m_explaining) {
                m_explaining = false;
                m_sinceExplained.start();
                Q_EMIT breakdownEnded();
            }
            return false;
        }
        const bool soon = m_sinceExplained.isValid() && m_sinceExplained.elapsed() < kStillExplainingMs;
        if (type == QEvent::ToolTip || soon) {
            m_explaining = true;
            const QPoint left = caption->mapToGlobal(QPoint(0, 0));
            const int right = window()->frameGeometry().right();
            Q_EMIT breakdownRequested(f,
                                      QRect(left.x(), left.y(), std::max(1, right - left.x() + 1), caption->height()));
        }
        return type == QEvent::ToolTip; // no tooltip of the label's own
    }
    return false;
}

bool PartsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (trackFigureHover(watched, event)) {
        return true;
    }
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        for (rivet::Selector selector : rivet::allSelectors()) {
            QComboBox* box = m_selectors[rivet::selectorIndex(selector)];
            if (watched != box->view()->window()) {
                continue;
            }
            if (event->type() == QEvent::Hide) {
                Q_EMIT previewEnded();
            } else {
                // The list scrolls to the shown item only after it is shown: preview that
                // item once it stands where it will stay.
                QTimer::singleShot(
                    0, this, [this, selector, box] { requestPreview(selector, box->view()->currentIndex().row()); });
            }
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
