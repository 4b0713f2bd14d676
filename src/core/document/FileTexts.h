#pragma once

#include "core/i18n/LanguageTable.h"

namespace quolan::file_text {

// Asked by the save dialog before it replaces a file; the path follows.
inline constexpr BilingualText ReplaceFileQuestion{"Такой файл уже есть. Заменить его?\n",
                                                   "The file already exists. Replace it?\n"};
inline constexpr BilingualText ReplaceButton{"Заменить", "Replace"};
inline constexpr BilingualText KeepButton{"Не заменять", "Keep it"};

// Why a pipe, a device or a socket is not opened: reading one may wait for
// ever or never end.
inline constexpr BilingualText NotRegularFile{"Это не обычный файл (канал, устройство или сокет)",
                                              "Not a regular file (a pipe, a device or a socket)"};

// Asked before a file that holds no text is opened; the path follows.
inline constexpr BilingualText NotTextQuestion{
    "Этот файл не похож на текст: в нём нулевые байты или управляющие символы. Всё равно "
    "открыть его?\n",
    "This file does not look like text: it holds NUL bytes or control characters. Open it "
    "anyway?\n"};
inline constexpr BilingualText OpenAnywayButton{"Открыть", "Open"};
inline constexpr BilingualText DoNotOpenButton{"Не открывать", "Do not open"};

// Asked before the first save of a post read as UTF-8 or UTF-16: the
// encoding's name, then the rest of the question, then the path.
inline constexpr BilingualText EncodingQuestionBefore{"Этот файл записан в кодировке ",
                                                      "This file is written in "};
inline constexpr BilingualText EncodingQuestionAfter{
    ", а записи форума хранятся в Windows-1251. В какой кодировке его сохранить?\n",
    ", while forum posts are kept in Windows-1251. Which encoding should it be saved in?\n"};
inline constexpr BilingualText KeepEncodingButton{"В той же", "The same"};
inline constexpr BilingualText CodePageButton{"В Windows-1251", "Windows-1251"};

// The status bar's name of a post that has no file yet.
inline constexpr BilingualText NewPostName{"Новая запись", "New post"};

// The status bar's name of the post's file: a new post's as the row says,
// the rest of the label (a file's name, the marks) is no text of a language
// and follows it when the language changes.
inline constexpr LanguageRow kFileRows[] = {
    {kMainWindowName, "PostFile", NewPostName.english, NewPostName.russian},
};

} // namespace quolan::file_text
