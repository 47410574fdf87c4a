// The tokens the parser has read ahead, kept in blocks that never move.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "parse/Tokenizer.h"

namespace rc {

// A queue of tokens whose references stay valid until the tokens before them are dropped: the
// parser holds a token it peeked while it reads on. Dropped blocks are kept and reused, with the
// storage of their tokens' texts.
class TokenQueue {
public:
    std::size_t size() const { return end_ - begin_; }
    bool empty() const { return end_ == begin_; }
    Token& operator[](std::size_t index) { return At(begin_ + index); }
    Token& back() { return At(end_ - 1); }

    // A token at the end, holding whatever a token dropped before held: the caller sets it.
    Token& Append() {
        if ((end_ >> kShift) == blocks_.size()) blocks_.push_back(std::make_unique<Token[]>(kBlock));
        return At(end_++);
    }

    // Drops the first `count` tokens.
    void Drop(std::size_t count) {
        begin_ += std::min(count, size());
        while (begin_ >= kBlock) {
            std::rotate(blocks_.begin(), blocks_.begin() + 1, blocks_.end());  // the first block becomes a spare
            begin_ -= kBlock;
            end_ -= kBlock;
        }
    }

private:
    static constexpr std::size_t kShift = 8;
    static constexpr std::size_t kBlock = std::size_t{1} << kShift;

    Token& At(std::size_t at) { return blocks_[at >> kShift][at & (kBlock - 1)]; }

    std::vector<std::unique_ptr<Token[]>> blocks_;
    std::size_t begin_ = 0;  // offsets in the blocks, from the first one's start
    std::size_t end_ = 0;
};

}  // namespace rc
