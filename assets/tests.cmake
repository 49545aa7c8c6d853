# Asset tests: the pack's table, picture sizes and strips, the sound and song
# formats, and the digest of every file. Included from the tests folder.
file(GLOB ASSET_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../tests/assets/*.cpp)
add_executable(asset_tests ${ASSET_TEST_SOURCES})
target_link_libraries(asset_tests PRIVATE velkor_art GTest::gtest_main)
# The stored digest of every file of the pack.
target_compile_definitions(asset_tests PRIVATE VELKOR_PACK_DIGESTS="${CMAKE_SOURCE_DIR}/tests/assets/pack_digests.txt")
gtest_discover_tests(asset_tests)
