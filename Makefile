# The two commands of a fresh machine. Both install what is missing first.
.PHONY: test build

build:
	scripts/install-deps.sh native
	cmake --preset default
	cmake --build --preset default

test:
	scripts/install-deps.sh native
	cmake --workflow --preset default
	cmake --workflow --preset asan
	scripts/run-fuzz.sh 60
