# The two commands of a fresh machine. Both install what is missing first.
# Each builds and tests the native module and the Windows DLL (cross-built, tested
# under Wine).
.PHONY: test build

build:
	scripts/install-deps.sh native windows
	cmake --preset default
	cmake --build --preset default
	cmake --preset windows
	cmake --build --preset windows

test:
	scripts/install-deps.sh native windows
	cmake --workflow --preset default
	cmake --workflow --preset windows
