// The scalable-source module: Qt SVG's renderer behind the reader interface
// of deck/ScalableReader.h. Built as a plugin and loaded when first needed.
#include "deck/ScalableReader.h"

#include <QByteArray>
#include <QObject>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>

namespace {

class SvgDocument : public deck::ScalableDocument {
public:
    explicit SvgDocument(const QString &fileName) : m_renderer(fileName) {}
    explicit SvgDocument(const QByteArray &bytes) : m_renderer(bytes) {}
    bool isValid() const { return m_renderer.isValid(); }
    void render(QPainter &painter, const QRectF &bounds) override { m_renderer.render(&painter, bounds); }
    bool hasElement(const QString &id) const override { return m_renderer.elementExists(id); }

    bool renderElement(QPainter &painter, const QString &id, const QRectF &box) override
    {
        if (!m_renderer.elementExists(id))
            return false;
        // The element's bounds in the document's units, with its own
        // transform (not its parents'): the renderer maps exactly these
        // bounds onto the rectangle it is given, so a rectangle of the same
        // proportions keeps the element undistorted.
        const QRectF bounds = m_renderer.boundsOnElement(id);
        if (!(bounds.width() > 0 && bounds.height() > 0))
            return false;
        QRectF target(QPointF(0, 0), bounds.size().scaled(box.size(), Qt::KeepAspectRatio));
        target.moveCenter(box.center());
        m_renderer.render(&painter, id, target);
        return true;
    }

private:
    QSvgRenderer m_renderer;
};

template <typename Source>
std::unique_ptr<deck::ScalableDocument> valid(const Source &source)
{
    auto document = std::make_unique<SvgDocument>(source);
    if (!document->isValid())
        return nullptr;
    return document;
}

} // namespace

class SvgModule : public QObject, public deck::ScalableReader {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DEALWRIGHT_SCALABLE_READER_IID)
    Q_INTERFACES(deck::ScalableReader)

public:
    std::unique_ptr<deck::ScalableDocument> read(const QString &fileName) const override { return valid(fileName); }
    std::unique_ptr<deck::ScalableDocument> parse(const QByteArray &bytes) const override { return valid(bytes); }
};

#include "SvgModule.moc"
