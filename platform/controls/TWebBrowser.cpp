#include "TWebBrowser.h"

#include "TClassInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTextBrowser>

const TClassInfo& TWebBrowser::StaticClassInfo()
{
    static const TClassInfo info("TWebBrowser", &TWinControl::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TWebBrowser>();
        c.Event("OnNavigateComplete", &TWebBrowser::OnNavigateComplete);
    });
    return info;
}

TWebBrowser::TWebBrowser(TComponent* owner)
    : TWinControl(owner)
{
    SetBounds(0, 0, 300, 150);
}

void TWebBrowser::Navigate(const QString& path)
{
    m_location = path;
    const QFileInfo file(path);
    if (!file.isFile()) {
        ShowErrorPage(path, QStringLiteral("找不到该文件。"));
    } else if (QFile page(path); !page.open(QIODevice::ReadOnly)) {
        ShowErrorPage(path, page.errorString());
    } else {
        m_errorPage = false;
        QTextBrowser* view = View();
        view->clear();
        view->setSearchPaths({file.absolutePath()});
        view->setHtml(QString::fromUtf8(page.readAll()));
    }
    OnNavigateComplete(this, path);
}

QString TWebBrowser::DocumentText() const
{
    return m_view ? m_view->toPlainText() : QString();
}

void TWebBrowser::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), palette().color(QPalette::Base));
}

void TWebBrowser::resizeEvent(QResizeEvent* event)
{
    TWinControl::resizeEvent(event);
    if (m_view)
        m_view->setGeometry(ClientRect());
}

QTextBrowser* TWebBrowser::View()
{
    if (!m_view) {
        m_view = new QTextBrowser(this);
        m_view->setOpenExternalLinks(false);
        m_view->setFrameShape(QFrame::NoFrame);
        m_view->setFocusPolicy(Qt::NoFocus);
        m_view->setGeometry(ClientRect());
        m_view->show();
    }
    return m_view;
}

void TWebBrowser::ShowErrorPage(const QString& path, const QString& reason)
{
    m_errorPage = true;
    View()->setHtml(
        QStringLiteral("<html><body style='font-family: sans-serif; margin: 24px'>"
                       "<h3>无法显示该网页</h3><p>%1</p><p><code>%2</code></p></body></html>")
            .arg(reason.toHtmlEscaped(), path.toHtmlEscaped()));
}
