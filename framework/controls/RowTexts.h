#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

// The texts of one table row in one block that copies share, so that a table can take rows made once elsewhere
// without copying a character. The block holds no more than the last non-empty text (at most MaxCount texts), and
// is never changed once made. Copies are counted without locking: make and drop them on one thread.
class TRowTexts {
public:
    static constexpr int MaxCount = 0x7FFF;

    TRowTexts() = default;
    TRowTexts(const TRowTexts &other) noexcept : block_(other.block_)
    {
        if (block_)
            SetNumber(block_, Number(block_) + 1);
    }
    TRowTexts(TRowTexts &&other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    TRowTexts &operator=(TRowTexts other) noexcept
    {
        std::swap(block_, other.block_);
        return *this;
    }
    ~TRowTexts()
    {
        if (!block_)
            return;
        const quint32 uses = Number(block_) - 1;
        SetNumber(block_, uses);
        if (uses == 0)
            delete[] (block_ - block_[-1]);
    }

    int Count() const { return block_ ? int(block_[2] & MaxCount) : 0; }
    // Empty beyond the last text.
    QStringView At(int col) const
    {
        const int count = Count();
        if (col < 0 || col >= count)
            return {};
        const char16_t *ends = block_ + HeadSize;
        if (block_[2] & Wide) {
            const quint32 start = col == 0 ? 0 : Number(ends + 2 * (col - 1));
            return QStringView(ends + 2 * count + start, qsizetype(Number(ends + 2 * col) - start));
        }
        const quint32 start = col == 0 ? 0 : ends[col - 1];
        return QStringView(ends + count + start, qsizetype(ends[col] - start));
    }
    // Asks the processor to fetch the row's numbers and first texts now: for passes over many rows.
    void Prefetch() const
    {
        __builtin_prefetch(block_);
        __builtin_prefetch(block_ + LineChars);
    }

    // The texts textAt(0 .. count - 1) (anything a QStringView is made from), without the empty ones at the end.
    template <typename TextAt> static TRowTexts Packed(int count, TextAt textAt)
    {
        count = std::min(count, MaxCount);
        while (count > 0 && QStringView(textAt(count - 1)).isEmpty())
            --count;
        TRowTexts packed;
        if (count <= 0)
            return packed;
        size_t chars = 0;
        for (int col = 0; col < count; ++col)
            chars += size_t(QStringView(textAt(col)).size());
        const bool wide = chars > 0xFFFF;
        const size_t endsSize = size_t(count) * (wide ? 2 : 1);
        char16_t *memory = new char16_t[LineChars + HeadSize + endsSize + chars];
        const std::uintptr_t past = reinterpret_cast<std::uintptr_t>(memory + 1) % LineBytes;
        const size_t offset = 1 + (LineBytes - past) % LineBytes / 2;
        packed.block_ = memory + offset;
        packed.block_[-1] = char16_t(offset);
        SetNumber(packed.block_, 1);
        packed.block_[2] = char16_t(count | (wide ? Wide : 0));
        char16_t *ends = packed.block_ + HeadSize;
        char16_t *out = ends + endsSize;
        quint32 end = 0;
        for (int col = 0; col < count; ++col) {
            const QStringView text = textAt(col);
            std::copy(text.utf16(), text.utf16() + text.size(), out + end);
            end += quint32(text.size());
            if (wide)
                SetNumber(ends + 2 * col, end);
            else
                ends[col] = char16_t(end);
        }
        return packed;
    }
    static TRowTexts Packed(const std::vector<QString> &texts, int count)
    {
        return Packed(std::min(count, int(texts.size())), [&](int col) { return QStringView(texts[size_t(col)]); });
    }

private:
    // The block, in characters' room, starts on a cache line, so that a row's numbers and its first texts come
    // in one: the use count (32-bit), the number of texts, marked when the block is wide, where each text ends
    // (16-bit numbers, 32-bit ones when the block is wide), then the characters of all the texts. The character
    // before the block tells how far it lies into the memory it was made in.
    static constexpr size_t LineBytes = 64;
    static constexpr size_t LineChars = LineBytes / sizeof(char16_t);
    static constexpr int HeadSize = 3;
    static constexpr char16_t Wide = 0x8000;

    static quint32 Number(const char16_t *at)
    {
        quint32 value;
        std::memcpy(&value, at, sizeof value);
        return value;
    }
    static void SetNumber(char16_t *at, quint32 value) { std::memcpy(at, &value, sizeof value); }

    char16_t *block_ = nullptr;
};
