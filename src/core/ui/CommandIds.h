#pragma once

#include <string_view>

// The names under which commands are registered and by which controls run them.
namespace quolan::cmd {

using Id = std::string_view;

// Post files and the end of the program.
inline constexpr Id FileNew = "file.new";
inline constexpr Id FileOpen = "file.open";
inline constexpr Id FileSave = "file.save";
inline constexpr Id FileSaveAs = "file.saveAs";
inline constexpr Id Exit = "app.exit";

// Edit and clipboard.
inline constexpr Id Undo = "edit.undo";
inline constexpr Id Nothing = "edit.nothing";
inline constexpr Id SelectAll = "edit.selectAll";
inline constexpr Id CopySelection = "clipboard.copySelection";
inline constexpr Id CopyAll = "clipboard.copyAll";
inline constexpr Id Paste = "clipboard.paste";
inline constexpr Id Find = "find.show";
inline constexpr Id Replace = "find.replace";
inline constexpr Id FindNext = "find.next";
inline constexpr Id FindPrevious = "find.previous";

// View.
inline constexpr Id EditorFont = "view.font";
inline constexpr Id WordWrap = "view.wordWrap";
inline constexpr Id Preview = "view.preview";
inline constexpr Id Spelling = "view.spelling";
inline constexpr Id LanguageRussian = "language.russian";
inline constexpr Id LanguageEnglish = "language.english";

// Simple tags.
inline constexpr Id TagBold = "tag.bold";
inline constexpr Id TagUnderline = "tag.underline";
inline constexpr Id TagItalic = "tag.italic";
inline constexpr Id TagOoc = "tag.ooc";
inline constexpr Id TagCenter = "tag.center";
inline constexpr Id TagRight = "tag.right";
inline constexpr Id TagQuote = "tag.quote";
inline constexpr Id TagCode = "tag.code";
inline constexpr Id TagPhp = "tag.php";

// Tags completed in a dialog, and the smiley palette.
inline constexpr Id DialogUrl = "dialog.url";
inline constexpr Id DialogImage = "dialog.image";
inline constexpr Id DialogEmail = "dialog.email";
inline constexpr Id DialogSize = "dialog.size";
inline constexpr Id DialogFont = "dialog.font";
inline constexpr Id DialogFocus = "dialog.focus";
inline constexpr Id DialogSpecialAction = "dialog.specialAction";
inline constexpr Id DialogColor = "dialog.color";
inline constexpr Id Smileys = "smileys.show";

// Text conversion.
inline constexpr Id TranslitMenu = "translit.menu";
inline constexpr Id EngToRusWhole = "translit.engToRus.whole";
inline constexpr Id RusToEngWhole = "translit.rusToEng.whole";
inline constexpr Id EngToRusSelection = "translit.engToRus.selection";
inline constexpr Id RusToEngSelection = "translit.rusToEng.selection";
inline constexpr Id VbToHtml = "convert.vbToHtml";
inline constexpr Id HtmlToVb = "convert.htmlToVb";

// Shell: tray, options, forum links.
inline constexpr Id LinksMenu = "links.menu";
inline constexpr Id Minimize = "tray.minimize";
inline constexpr Id Restore = "tray.restore";
inline constexpr Id Options = "options.show";
inline constexpr Id LinkSite = "link.site";
inline constexpr Id LinkSignUp = "link.signUp";
inline constexpr Id LinkForumRoot = "link.forumRoot";
inline constexpr Id LinkRules = "link.rules";
inline constexpr Id LinkFaq = "link.faq";
inline constexpr Id LinkGameProgress = "link.gameProgress";
inline constexpr Id LinkCharacterRegistration = "link.characterRegistration";
inline constexpr Id LinkMatrix = "link.matrix";
inline constexpr Id LinkWaterDrain = "link.waterDrain";
inline constexpr Id LinkZion = "link.zion";

// Information windows.
inline constexpr Id About = "info.about";
inline constexpr Id Help = "info.help";
inline constexpr Id History = "info.history";

} // namespace quolan::cmd
