#pragma once

#include <QFlags>
#include <QString>

// The GENERATOR rewrites of the composer's whole-document copy: plain,
// case-sensitive replacements of every occurrence, applied in this order.
// They match the elements as the engine writes them back: tag and attribute
// names in lower case, every value quoted, the attributes in their order.
namespace GeneratorRewrite {

enum Rewrite {
    // The editing control's own GENERATOR meta element becomes the program's.
    OwnGenerator = 0x1,
    // The two engine GENERATOR meta elements are removed.
    Engine2800 = 0x2,
    Engine2600 = 0x4,
};
Q_DECLARE_FLAGS(Rewrites, Rewrite)

inline constexpr Rewrites all = Rewrites(OwnGenerator | Engine2800 | Engine2600);

QString apply(const QString &html, Rewrites rewrites);

} // namespace GeneratorRewrite

Q_DECLARE_OPERATORS_FOR_FLAGS(GeneratorRewrite::Rewrites)
