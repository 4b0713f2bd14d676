# `cpack -G DEB` in the build folder makes the Debian package of what
# `cmake --install` installs; its dependencies are read from the program.
set(CPACK_PACKAGE_NAME "quolan")
set(CPACK_PACKAGE_VENDOR "Quolan developers")
set(CPACK_PACKAGE_CONTACT "Quolan developers <quolan@brennow.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "composer of forum posts with bulletin-board codes")
set(CPACK_PACKAGE_DESCRIPTION
  "Quolan composes posts for the Brennow role-play forum: text is typed or pasted, \
stretches are wrapped in the forum's tags from a toolbar and menus, tag parameters \
are filled in small dialogs, and the finished post is copied to the clipboard. \
Posts are plain Windows-1251 text files.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${QUOLAN_HOMEPAGE}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "editors")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugins at run time, out of dpkg-shlibdeps' sight.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The dictionaries Hunspell checks the spelling with; without them the
# program works and says which package is missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-ru, hunspell-en-us")

include(CPack)
