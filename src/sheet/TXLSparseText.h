// TXLSparseText: a text that most objects of the sheet model leave empty
// (a cell's format), held in one pointer instead of a QString's three
// words: nothing is allocated while it is empty. Owns its text.
#pragma once

#include <QString>

#include <memory>

class TXLSparseText {
public:
    const QString& Get() const { return FText ? *FText : Empty(); }
    void Set(const QString& text)
    {
        if (text.isEmpty())
            FText.reset();
        else if (FText)
            *FText = text;
        else
            FText = std::make_unique<QString>(text);
    }

private:
    static const QString& Empty()
    {
        static const QString empty;
        return empty;
    }

    std::unique_ptr<QString> FText;
};
