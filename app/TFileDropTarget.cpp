#include "TFileDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

TFileDropTarget::TFileDropTarget(QObject* parent, Permit permit, Receiver receiver)
    : QObject(parent)
    , m_permit(std::move(permit))
    , m_receiver(std::move(receiver))
{}

void TFileDropTarget::Attach(QWidget* widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

QStringList TFileDropTarget::LocalFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

bool TFileDropTarget::Takes(QWidget* target, const QEvent* event) const
{
    const auto* drop = static_cast<const QDropEvent*>(event);
    return !drop->source() && !LocalFiles(drop->mimeData()).isEmpty() && m_permit(target);
}

bool TFileDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    auto* target = qobject_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();
    if (!target || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!Takes(target, event)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        const QStringList paths = LocalFiles(drop->mimeData());
        QTimer::singleShot(0, this, [this, widget = QPointer<QWidget>(target), paths] {
            if (widget)
                m_receiver(widget, paths);
        });
    }
    return true;
}
