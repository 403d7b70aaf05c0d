#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

// Lets widgets take files dropped from other programs (a file manager): a drag that
// carries local files is accepted, as a copy, while the permit says the widget takes
// them now; a drop hands the files' paths to the receiver once the drop itself is over,
// so that the program that dragged them is not kept waiting while they are read. Drags
// that start in this program are not taken: a picture dragged out of the gallery and let
// go over it again must not be added twice.
class TFileDropTarget : public QObject {
public:
    using Permit = std::function<bool(QWidget* target)>;
    using Receiver = std::function<void(QWidget* target, const QStringList& paths)>;

    TFileDropTarget(QObject* parent, Permit permit, Receiver receiver);

    // Takes drops on widget from now on.
    void Attach(QWidget* widget);

    // The local files a drag carries, in its order; empty for none.
    static QStringList LocalFiles(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Takes(QWidget* target, const QEvent* event) const;

    Permit m_permit;
    Receiver m_receiver;
};
