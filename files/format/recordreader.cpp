// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/format/recordreader.h"

namespace fileformat {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

void RecordReader::skipBlanks() {
    while (pos_ < bytes_.size() && isBlank(bytes_[pos_]))
        ++pos_;
}

bool RecordReader::atLineEnd() const {
    return pos_ >= bytes_.size() || isLineBreak(bytes_[pos_]);
}

void RecordReader::skipLineEnd() {
    if (pos_ < bytes_.size() && bytes_[pos_] == '\r') ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
}

bool RecordReader::hasMore() {
    for (;;) {
        skipBlanks();
        if (pos_ >= bytes_.size()) return false;
        if (!isLineBreak(bytes_[pos_])) return true;
        skipLineEnd();
    }
}

Record RecordReader::next() {
    Record record;
    for (;;) {
        skipBlanks();
        RecordField field;
        if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
            const std::size_t close = bytes_.find('"', pos_ + 1);
            if (close == std::string_view::npos) {
                record.fault = RecordFault::UnclosedQuote;
                record.faultField = record.fields.size();
                pos_ = bytes_.size();
                return record;
            }
            field.quoted = true;
            field.text = bytes_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            skipBlanks();
        } else {
            const std::size_t begin = pos_;
            while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !isLineBreak(bytes_[pos_]))
                ++pos_;
            std::size_t end = pos_;
            while (end > begin && isBlank(bytes_[end - 1]))
                --end;
            field.text = bytes_.substr(begin, end - begin);
        }
        record.fields.push_back(field);

        if (atLineEnd()) {
            skipLineEnd();
            return record;
        }
        if (bytes_[pos_] != ',') {
            record.fault = RecordFault::TextAfterQuote;
            record.faultField = record.fields.size() - 1;
            pos_ = bytes_.size();
            return record;
        }
        ++pos_;
    }
}

std::optional<long> wholeNumberOf(const RecordField& field) {
    if (field.quoted) return std::nullopt;
    std::string_view digits = field.text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    if (digits.empty()) return std::nullopt;
    constexpr long kClamp = 10'000'000;
    long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kClamp) value = kClamp;
    }
    return negative ? -value : value;
}

} // namespace fileformat
