# The languages the installer speaks besides English, the language of its
# sources: each has translations/velmora_<code>.ts. Adding one takes its
# catalogue and one line here (translations/README.md).
set(VLMR_LANGUAGES
  de
  fr
  es
  it
  pt_BR
  ja
)

# The same as macOS names them (CFBundleLocalizations, <language>.lproj).
set(VLMR_APPLE_LANGUAGES en)
foreach(_language IN LISTS VLMR_LANGUAGES)
  string(REPLACE "_" "-" _apple "${_language}")
  list(APPEND VLMR_APPLE_LANGUAGES "${_apple}")
endforeach()
