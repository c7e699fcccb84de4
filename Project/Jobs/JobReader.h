#pragma once

#include "ListFilters.h"
#include "SJobContent.h"

#include <QString>

// Takes from the text of a job file what the job reader uses, and refuses a
// file that would make the job unreasonably large before holding more of it.
// The text must have passed SafeXml's pre-scan.
class CJobReader
{
public:
    static constexpr int MaxFilters = 1000;
    static constexpr int MaxPhotos = 1000000;
    static constexpr int MaxTextLength = SFilterRecord::MaxStringLength; // characters of one text or attribute

    enum class Verdict { Ok, NotWellFormed, TooManyFilters, TooManyParams, TooManyPhotos, TextTooLong };

    static Verdict Read(const QString& text, SJobContent& content);

private:
    CJobReader() = delete;
};
