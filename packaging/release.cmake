# The newest entry of debian/changelog (the project's one changelog) names
# the version and the date of the release. Its version must be the project version; its date becomes the
# release date of the AppStream metainfo (VELNORIT_RELEASE_DATE, YYYY-MM-DD)
# and of the manual pages (VELNORIT_RELEASE_EPOCH, seconds since 1970 at
# midnight UTC, for SOURCE_DATE_EPOCH: the same sources give the same pages).
function(velnorit_read_release)
  set(changelog ${PROJECT_SOURCE_DIR}/debian/changelog)
  file(STRINGS ${changelog} changelog_lines ENCODING UTF-8)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})

  list(GET changelog_lines 0 newest_heading)
  if(NOT newest_heading MATCHES "^velnorit \\(([^)]+)\\) ")
    message(FATAL_ERROR "debian/changelog: the first line is no entry heading: ${newest_heading}")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "debian/changelog: the newest entry is version ${CMAKE_MATCH_1}, "
                        "the project is version ${PROJECT_VERSION}; add an entry for this version")
  endif()

  # The first trailer line belongs to the newest entry:
  #  -- Name <address>  Wed, 09 Dec 2026 12:00:00 +0000
  foreach(line IN LISTS changelog_lines)
    if(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
      set(day ${CMAKE_MATCH_1})
      set(month_name ${CMAKE_MATCH_2})
      set(year ${CMAKE_MATCH_3})
      break()
    endif()
  endforeach()
  set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(FIND month_names "${month_name}" month_index)
  if(NOT DEFINED year OR month_index EQUAL -1)
    message(FATAL_ERROR "debian/changelog: the newest entry has no trailer line with a date")
  endif()
  math(EXPR month "${month_index} + 1")
  string(LENGTH "${day}" day_digits)
  if(day_digits EQUAL 1)
    set(day "0${day}")
  endif()
  if(month LESS 10)
    set(month "0${month}")
  endif()
  set(VELNORIT_RELEASE_DATE "${year}-${month}-${day}" PARENT_SCOPE)

  # Days since 1970-01-01 of a date in the proleptic Gregorian calendar,
  # counted in years that begin on 1 March so that the leap day comes last.
  math(EXPR month_number "${month_index} + 1")
  if(month_number LESS_EQUAL 2)
    math(EXPR march_year "${year} - 1")
    math(EXPR months_since_march "${month_number} + 9")
  else()
    set(march_year ${year})
    math(EXPR months_since_march "${month_number} - 3")
  endif()
  math(EXPR era "${march_year} / 400")
  math(EXPR year_of_era "${march_year} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${months_since_march} + 2) / 5 + ${day} - 1")
  math(EXPR day_of_era "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
  math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
  math(EXPR seconds "${days} * 86400")
  set(VELNORIT_RELEASE_EPOCH ${seconds} PARENT_SCOPE)
endfunction()
velnorit_read_release()

# The project's address is written once, in debian/control: its Homepage
# field becomes VELNORIT_HOMEPAGE_URL (AppStream's homepage and screenshot,
# the manual pages). Change it there before publishing.
function(velnorit_read_address)
  set(control ${PROJECT_SOURCE_DIR}/debian/control)
  file(STRINGS ${control} homepage_lines REGEX "^Homepage: " ENCODING UTF-8)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${control})
  if(NOT homepage_lines MATCHES "^Homepage: ([^ ]+/)$")
    message(FATAL_ERROR "debian/control: no Homepage field ending in /: ${homepage_lines}")
  endif()
  set(VELNORIT_HOMEPAGE_URL ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
velnorit_read_address()
