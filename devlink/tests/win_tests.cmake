# Windows tests of meterlink.dll under Wine: the library loaded by name from
# the current folder, real simulator processes, a real main window. Each
# fixture starts with no simulator and no shared block.
add_library(devlink_winfixture STATIC ${CMAKE_CURRENT_LIST_DIR}/win_link_fixture.cpp)
target_link_libraries(devlink_winfixture PUBLIC orva_winsupport linkblock GTest::gtest psapi)
add_dependencies(devlink_winfixture meterlink)

foreach(name start device block)
  orva_win_test(devlink_win_${name}_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/win_${name}_test.cpp
    LIBS devlink_winfixture
    DEPENDS meterlink LinkKeeper wirecore wirecore_v2_1_3_11
    TIMEOUT 180)
endforeach()
