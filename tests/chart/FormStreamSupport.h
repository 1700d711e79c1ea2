#pragma once
// A form written to a form stream and read back into a new form, and what
// tests look for in the bytes.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/runtime/Filer.h"

using TFormBytes = std::vector<std::uint8_t>;

inline TFormBytes WriteForm(TForm* Form) {
    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(Form);
    return stream.GetBytes();
}

inline std::unique_ptr<TForm> ReadForm(const TFormBytes& Bytes) {
    auto form = std::make_unique<TForm>(nullptr);
    TMemoryStream stream;
    stream.SetBytes(Bytes);
    TReader(&stream).ReadRootComponent(form.get());
    return form;
}

// Where two streams part, with the text around it, for a failure message.
inline std::string Parting(const TFormBytes& A, const TFormBytes& B) {
    std::size_t i = 0;
    while (i < A.size() && i < B.size() && A[i] == B[i]) ++i;
    auto text = [i](const TFormBytes& x) {
        std::string t;
        for (std::size_t k = i > 24 ? i - 24 : 0; k < std::min(x.size(), i + 24); ++k)
            t += x[k] >= 32 && x[k] < 127 ? char(x[k]) : '.';
        return t;
    };
    return "at byte " + std::to_string(i) + ": " + text(A) + " | " + text(B);
}

inline bool Holds(const TFormBytes& Bytes, const std::string& Text) {
    return std::search(Bytes.begin(), Bytes.end(), Text.begin(), Text.end()) != Bytes.end();
}
