// The scalable-source module: Qt SVG's renderer behind the reader interface
// of deck/ScalableReader.h. Built as a plugin and loaded when first needed.
#include "deck/ScalableReader.h"

#include <QObject>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>

namespace {

class SvgDocument : public deck::ScalableDocument {
public:
    explicit SvgDocument(const QString &fileName) : m_renderer(fileName) {}
    bool isValid() const { return m_renderer.isValid(); }
    void render(QPainter &painter, const QRectF &bounds) override { m_renderer.render(&painter, bounds); }

private:
    QSvgRenderer m_renderer;
};

} // namespace

class SvgModule : public QObject, public deck::ScalableReader {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DEALWRIGHT_SCALABLE_READER_IID)
    Q_INTERFACES(deck::ScalableReader)

public:
    std::unique_ptr<deck::ScalableDocument> read(const QString &fileName) const override
    {
        auto document = std::make_unique<SvgDocument>(fileName);
        if (!document->isValid())
            return nullptr;
        return document;
    }
};

#include "SvgModule.moc"
