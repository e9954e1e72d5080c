#pragma once
// Reader of the service's tagged text: "<name>value</name>" found by plain
// substring search, no depth, no escapes. Everything works on views into the
// caller's buffer, so a document is never copied while it is read.
#include <cstddef>
#include <string_view>

// Text of the first element `name` in `text`, trimmed of bytes 0x00..0x20 at
// both ends; empty when the start tag or the end tag after it is missing.
// The result points into `text`: keep the buffer alive while using it.
std::string_view ExtractElement(std::string_view text, std::string_view name);

// The list walk: the top-level `match` records of a list document in order.
// A record without "</match>" is yielded as empty text and the walk goes on
// two bytes further, so it always ends.
class TListWalk {
public:
    explicit TListWalk(std::string_view body) : body_(body) {}
    bool Next(std::string_view& record);

private:
    std::string_view body_;
    std::size_t pos_ = 0;
    bool closeMissing_ = false; // no "</match>" after pos_: later searches would fail too
};

// The sub-list walk: every `match` start tag of a sub-list yields the text up to
// the next "</match>" after it, with a running index 0, 1, 2, ...
class TSubListWalk {
public:
    explicit TSubListWalk(std::string_view sub) : sub_(sub) {}
    bool Next(std::string_view& record, int& index);

private:
    std::string_view sub_;
    std::size_t pos_ = 0;
    int index_ = 0;
    // Records overlap here, so the end tag found for one record usually ends
    // the next ones too; keeping it (and its trimmed form) keeps the walk linear.
    std::size_t end_ = 0;
    std::size_t trimmedEnd_ = 0;
    bool endValid_ = false;
};

template <class Step>
void WalkMatchList(std::string_view body, Step&& step)
{
    TListWalk walk(body);
    for (std::string_view record; walk.Next(record);)
        step(record);
}

template <class Step>
void WalkSubList(std::string_view sub, Step&& step)
{
    TSubListWalk walk(sub);
    std::string_view record;
    for (int index = 0; walk.Next(record, index);)
        step(record, index);
}
