# Asset tests: the pack's table, picture sizes and strips, and the sound and
# song formats. Included from the tests folder.
file(GLOB ASSET_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../tests/assets/*.cpp)
add_executable(asset_tests ${ASSET_TEST_SOURCES})
target_link_libraries(asset_tests PRIVATE velkor_art GTest::gtest_main)
gtest_discover_tests(asset_tests)
