#include "render/pagesetup.h"

#include <array>
#include <cmath>
#include <utility>

namespace varnel {

namespace {

constexpr std::array<std::pair<const char*, QPageSize::PageSizeId>, 6> kPapers = {{
    {"A5", QPageSize::A5},
    {"A4", QPageSize::A4},
    {"A3", QPageSize::A3},
    {"Letter", QPageSize::Letter},
    {"Legal", QPageSize::Legal},
    {"Tabloid", QPageSize::Tabloid},
}};

}  // namespace

std::optional<QPageSize::PageSizeId> paperFromName(const QString& name) {
    for (const auto& [text, id] : kPapers) {
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) return id;
    }
    return std::nullopt;
}

QString paperName(QPageSize::PageSizeId paper) {
    for (const auto& [text, id] : kPapers) {
        if (id == paper) return QString::fromLatin1(text);
    }
    return QPageSize::name(paper);
}

}  // namespace varnel
