#include "deck/SvgGuard.h"

#include <QCoreApplication>

#include <QHash>
#include <QXmlStreamReader>
#include <vector>

namespace deck {
namespace {

struct Graph {
    // Elements in document order; the children of each follow it.
    std::vector<int> firstChild, nextSibling, lastChild;
    std::vector<QString> reference;  // the id a <use> names, else ""
    // Every element carrying an id: where ids repeat, a reference counts
    // them all, more than the renderer can draw.
    QHash<QString, std::vector<int>> ids;

    int add(int parent)
    {
        const int node = int(firstChild.size());
        firstChild.push_back(-1);
        nextSibling.push_back(-1);
        lastChild.push_back(-1);
        reference.emplace_back();
        if (parent >= 0) {
            if (lastChild[parent] < 0)
                firstChild[parent] = node;
            else
                nextSibling[lastChild[parent]] = node;
            lastChild[parent] = node;
        }
        return node;
    }
};

QString referenceOf(const QXmlStreamAttributes &attributes)
{
    QStringView href;
    for (const QXmlStreamAttribute &attribute : attributes)
        if (attribute.name() == QLatin1String("href"))
            href = attribute.value();
    return href.startsWith(QLatin1Char('#')) ? href.mid(1).toString() : QString();
}

// Elements visited by drawing each node, references followed, counted
// without recursion (documents nest deeply). A reference back into its own
// ancestry counts nothing: the renderer refuses to follow it.
qint64 drawnElements(const Graph &graph, qint64 limit)
{
    const int count = int(graph.firstChild.size());
    enum : char { Unseen, Open, Done };
    std::vector<char> state(std::size_t(count), Unseen);
    std::vector<qint64> cost(std::size_t(count), 0);
    static const std::vector<int> None;
    auto targets = [&](int node) -> const std::vector<int> & {
        const QString &id = graph.reference[std::size_t(node)];
        if (id.isEmpty())
            return None;
        const auto found = graph.ids.constFind(id);
        return found == graph.ids.constEnd() ? None : *found;
    };
    qint64 total = 0;
    std::vector<int> stack;
    for (int root = 0; root < count; ++root) {
        if (state[std::size_t(root)] != Unseen)
            continue;
        stack.push_back(root);
        while (!stack.empty()) {
            const int node = stack.back();
            char &s = state[std::size_t(node)];
            if (s == Unseen) {
                s = Open;
                for (int child = graph.firstChild[std::size_t(node)]; child >= 0; child = graph.nextSibling[std::size_t(child)])
                    if (state[std::size_t(child)] == Unseen)
                        stack.push_back(child);
                for (int used : targets(node))
                    if (state[std::size_t(used)] == Unseen)
                        stack.push_back(used);
                continue;
            }
            stack.pop_back();
            if (s == Done)
                continue;
            qint64 sum = 1;
            for (int child = graph.firstChild[std::size_t(node)]; child >= 0; child = graph.nextSibling[std::size_t(child)])
                if (state[std::size_t(child)] == Done)
                    sum += cost[std::size_t(child)];
            for (int used : targets(node))
                if (state[std::size_t(used)] == Done)
                    sum += cost[std::size_t(used)];
            cost[std::size_t(node)] = qMin(sum, limit + 1);
            s = Done;
        }
        total = qMin(total + cost[std::size_t(root)], limit + 1);
    }
    return total;
}

} // namespace

QString svgStructureProblem(const QByteArray &text, const QString &shownName, qint64 limit)
{
    Graph graph;
    std::vector<int> open;
    QXmlStreamReader xml(text);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const int node = graph.add(open.empty() ? -1 : open.back());
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString id = attributes.value(QLatin1String("id")).toString();
            if (!id.isEmpty())
                graph.ids[id].push_back(node);
            if (xml.name() == QLatin1String("use"))
                graph.reference[std::size_t(node)] = referenceOf(attributes);
            open.push_back(node);
        } else if (token == QXmlStreamReader::EndElement) {
            open.pop_back();
        }
    }
    if (xml.hasError()) {
        //: %1 is the file, %2 the line, %3 what the XML reader says.
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 is not well-formed XML (line %2: %3)")
            .arg(shownName, QString::number(xml.lineNumber()), xml.errorString());
    }
    if (drawnElements(graph, limit) > limit) {
        //: %1 is the file, %2 the most elements a drawing may visit.
        return QCoreApplication::translate("deck::SvgFile",
                                           "its SVG file %1 repeats its elements through references beyond %2")
            .arg(shownName, QString::number(limit));
    }
    return QString();
}

} // namespace deck
