#pragma once
// Reading and drawing the scalable card sources. The SVG renderer lives in a
// module of its own (deck/svgmodule), loaded from the program's folder the
// first time a card is shown at a size other than its picture's. Linked into
// the program, the renderer's library and everything it needs would be
// loaded and bound before the first window, which costs several milliseconds
// of every start, though most starts never show a card at another size.
#include <QtPlugin>

#include <memory>

class QByteArray;
class QPainter;
class QRectF;
class QString;

namespace deck {

// One parsed source.
class ScalableDocument {
public:
    virtual ~ScalableDocument() = default;
    // Draws the whole picture into `bounds`, with the painter's settings.
    virtual void render(QPainter &painter, const QRectF &bounds) = 0;
    // Whether the document has an element with this id.
    virtual bool hasElement(const QString &id) const = 0;
    // Draws the element with this id into `box`, scaled to keep its own
    // proportions and centred, on whatever the painter has drawn before.
    // False, drawing nothing, when there is no such element or it covers
    // no area. A document draws on one thread at a time.
    virtual bool renderElement(QPainter &painter, const QString &id, const QRectF &box) = 0;
};

// What the module provides.
class ScalableReader {
public:
    virtual ~ScalableReader() = default;
    // The source in `fileName` (a resource path or a file), or nullptr when
    // it is missing or not a valid document. Safe on any thread; documents
    // share nothing.
    virtual std::unique_ptr<ScalableDocument> read(const QString &fileName) const = 0;
    // The document held in `bytes` (SVG text, already unpacked), or nullptr
    // when it is not a valid document. Safe on any thread.
    virtual std::unique_ptr<ScalableDocument> parse(const QByteArray &bytes) const = 0;
};

// The module's reader, loaded once on first use (from any thread), or
// nullptr when the module cannot be loaded: the cards are then scaled from
// their pictures. The module is looked for in the folder "plugins" beside
// the executable; only the test programs, which run from another folder,
// name another one (tests/support/ModuleFolder.cpp), before the first use.
const ScalableReader *scalableReader();
void setModuleFolder(const QString &folder);

} // namespace deck

#define DEALWRIGHT_SCALABLE_READER_IID "org.dealwright.ScalableReader/2.0"
Q_DECLARE_INTERFACE(deck::ScalableReader, DEALWRIGHT_SCALABLE_READER_IID)
