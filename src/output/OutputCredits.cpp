#include "output/OutputCredits.h"

#include "base/TransCodes.h"

namespace OutputCredits {
namespace {

constexpr std::size_t kTextWidth = 78;

const std::string& Credit(int i) {
    static const std::string lines[2] = {
        TransCodes::Utf8ToAnsi("Отчет подготовлен программой ВеМо 2007"),
        TransCodes::Utf8ToAnsi("Подсчет очков, рейтингов и мест командных турниров"),
    };
    return lines[i == 0 ? 0 : 1];
}

std::string Framed(const std::string& text) {
    const std::size_t dashes = kTextWidth - text.size() - 2;
    const std::size_t left = dashes / 2;
    return std::string(left, '-') + " " + text + " " + std::string(dashes - left, '-');
}

}  // namespace

std::string TextLine(int i) { return Framed(Credit(i)); }

std::string WorkbookLine(int i) { return Credit(i); }

std::string PageLine() {
    static const std::string line = TransCodes::Utf8ToAnsi("Подготовлено программой ВеМо 2007");
    return line;
}

}  // namespace OutputCredits
