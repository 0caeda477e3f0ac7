// An in-memory window for the commands: twelve texts, and a log of every call in order.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "check/form_surface.h"

struct SurfaceCall {
    enum class Kind { Get, Set, Message };
    Kind kind;
    TextBox box;  // Text1 for messages
    std::string text;

    bool operator==(const SurfaceCall&) const = default;
};

inline SurfaceCall Get(TextBox box) {
    return {SurfaceCall::Kind::Get, box, {}};
}
inline SurfaceCall Set(TextBox box, std::string_view text) {
    return {SurfaceCall::Kind::Set, box, std::string(text)};
}
inline SurfaceCall Message(std::string_view prompt) {
    return {SurfaceCall::Kind::Message, TextBox::Text1, std::string(prompt)};
}

inline std::ostream& operator<<(std::ostream& out, const SurfaceCall& call) {
    static constexpr const char* kKinds[] = {"Get", "Set", "Message"};
    out << kKinds[static_cast<int>(call.kind)];
    if (call.kind != SurfaceCall::Kind::Message) {
        out << "(Text" << static_cast<int>(call.box) << ")";
    }
    return out << " \"" << call.text << "\"";
}

class RecordingSurface : public FormSurface {
  public:
    std::string GetText(TextBox box) const override {
        calls_.push_back(Get(box));
        return text(box);
    }
    void SetText(TextBox box, std::string_view text) override {
        calls_.push_back(Set(box, text));
        texts_[BoxIndex(box)] = std::string(text);
    }
    void ShowMessage(std::string_view prompt) override {
        calls_.push_back(Message(prompt));
        messages_.emplace_back(prompt);
    }

    // What the user typed, without logging it as a call.
    void Type(TextBox box, std::string_view text) { texts_[BoxIndex(box)] = std::string(text); }
    void TypeEntries(std::string_view a, std::string_view b, std::string_view c) {
        Type(TextBox::Text1, a);
        Type(TextBox::Text2, b);
        Type(TextBox::Text3, c);
    }

    const std::string& text(TextBox box) const { return texts_[BoxIndex(box)]; }
    const std::vector<SurfaceCall>& calls() const { return calls_; }
    const std::vector<std::string>& messages() const { return messages_; }
    void ForgetCalls() {
        calls_.clear();
        messages_.clear();
    }
    // Text4..Text12 in box order: everything a command may write.
    std::vector<std::string> ResultTexts() const { return {texts_.begin() + 3, texts_.end()}; }

  private:
    std::array<std::string, kTextBoxCount> texts_;
    mutable std::vector<SurfaceCall> calls_;
    std::vector<std::string> messages_;
};
