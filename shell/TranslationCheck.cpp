#include "TranslationCheck.h"

#include <QtEndian>

#include <cstring>

namespace shell {
namespace {

// The layout of a .qm file: a 16-byte mark, then blocks of one tag byte, a
// 32-bit big-endian length and the block's bytes.
constexpr unsigned char Mark[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                    0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
enum Block : unsigned char { Contexts = 0x2f, Hashes = 0x42, Messages = 0x69, Dependencies = 0x96 };
// The tags of a message's fields.
enum Field : unsigned char { End = 1, Translation = 3, Obsolete1 = 5, SourceText = 6, Context = 7, Comment = 8 };

struct Span {
    const unsigned char *data = nullptr;
    quint32 size = 0;
};

quint16 read16(const unsigned char *at) { return qFromBigEndian<quint16>(at); }
quint32 read32(const unsigned char *at) { return qFromBigEndian<quint32>(at); }

// The context table: its size, then one 16-bit offset per bucket, then the
// buckets' lists of names (a length byte and the name), each ended by 0.
bool contextsIntact(const Span &contexts)
{
    if (contexts.size == 0)
        return true;
    if (contexts.size < 2)
        return false;
    const quint32 buckets = read16(contexts.data);
    const quint64 listsStart = 2 + 2 * quint64(buckets);
    if (buckets == 0 || listsStart > contexts.size)
        return false;
    for (quint32 g = 0; g < buckets; ++g) {
        const quint32 offset = read16(contexts.data + 2 + 2 * g);
        if (offset == 0)
            continue;
        quint64 at = listsStart + 2 * quint64(offset);
        for (;;) {
            if (at >= contexts.size)
                return false;
            const quint32 length = contexts.data[at];
            if (length == 0)
                break;
            at += 1 + quint64(length);
            if (at > contexts.size)
                return false;
        }
    }
    return true;
}

// One message, from its offset to its end mark; every field inside the block.
bool messageIntact(const Span &messages, quint32 offset)
{
    quint64 at = offset;
    for (;;) {
        if (at >= messages.size)
            return true;  // a lookup stops here without reading further
        const unsigned char tag = messages.data[at++];
        switch (tag) {
        case End:
            return true;
        case Obsolete1:
            if (at + 4 > messages.size)
                return false;
            at += 4;
            break;
        case Translation:
        case SourceText:
        case Context:
        case Comment: {
            if (at + 4 > messages.size)
                return false;
            const quint32 length = read32(messages.data + at);
            at += 4;
            // A translation is UTF-16 text: an odd length (0xffffffff marks
            // a translation left empty) ends a lookup, and the length is read
            // as a signed number. A comment's first byte is read even when
            // it is empty.
            if (tag == Translation && (length & 1) != 0)
                return true;
            if (tag == Translation && length > 0x7fffffffu)
                return false;
            const quint64 needed = (tag == Comment && length == 0) ? 1 : length;
            if (at + needed > messages.size)
                return false;
            at += length;
            break;
        }
        default:
            return true;  // an unknown field ends a lookup
        }
    }
}

} // namespace

bool isIntactTranslation(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const quint64 size = quint64(bytes.size());
    if (size < sizeof Mark || std::memcmp(data, Mark, sizeof Mark) != 0)
        return false;
    Span contexts, hashes, messages;
    quint64 at = sizeof Mark;
    // The blocks as QTranslator reads them: it stops at a tag or length of
    // 0, or when fewer than six bytes are left.
    while (at + 5 < size) {
        const unsigned char tag = data[at];
        const quint32 length = read32(data + at + 1);
        at += 5;
        if (tag == 0 || length == 0)
            break;
        if (length > size - at)
            return false;
        const Span block{data + at, length};
        if (tag == Contexts)
            contexts = block;
        else if (tag == Hashes)
            hashes = block;
        else if (tag == Messages)
            messages = block;
        else if (tag == Dependencies)
            return false;  // it would make QTranslator open further files
        at += length;
    }
    if (!contextsIntact(contexts))
        return false;
    // The hash table: pairs of a 32-bit hash and a 32-bit message offset.
    if (hashes.size % 8 != 0)
        return false;
    for (quint32 entry = 0; entry < hashes.size; entry += 8) {
        const quint32 offset = read32(hashes.data + entry + 4);
        if (offset >= messages.size || !messageIntact(messages, offset))
            return false;
    }
    return true;
}

} // namespace shell
