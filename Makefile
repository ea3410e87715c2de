# The two commands of a fresh machine, `make demo` and `make test`. Both install what
# is missing first. The demo needs only the native build; the tests build and test the
# native module and the Windows DLL (cross-built, tested under Wine).
.PHONY: demo test build native report-picture

DEMO_OUT := build/demo

native:
	scripts/install-deps.sh native
	cmake --preset default
	cmake --build --preset default

build: native
	scripts/install-deps.sh windows
	cmake --preset windows
	cmake --build --preset windows

# Replays the example card run: prints the display at each stop, writes an SVG picture
# of it to $(DEMO_OUT)/card_run/ and the whole run as one page, $(DEMO_OUT)/card_run.html.
# Then drives every example card with no script and writes its page to $(DEMO_OUT)/drive/,
# and checks the example vehicle with every card driven (no remark: just the table).
demo: native
	@echo "== Replaying examples/scenarios/card_run.scn in examples/vehicle"
	@mkdir -p $(DEMO_OUT)
	build/default/ruvahost --out $(DEMO_OUT) --html $(DEMO_OUT)/card_run.html \
	  examples/vehicle examples/scenarios/card_run.scn
	@echo "== SVG snapshots of every stop: $(DEMO_OUT)/card_run/"
	@echo "== The whole run, frame by frame, in a browser: $(DEMO_OUT)/card_run.html"
	@echo "== Driving every example card from its first stop to its last (ruvahost --card)"
	@mkdir -p $(DEMO_OUT)/drive
	@for card in examples/vehicle/*/*.csv; do \
	  name=$$(basename "$$card" .csv | iconv -f CP932 -t UTF-8); \
	  build/default/ruvahost --quiet --out $(DEMO_OUT)/drive \
	    --html "$(DEMO_OUT)/drive/$$name.html" --card "$$card" examples/vehicle || exit 1; \
	  echo "== $$name, frame by frame: $(DEMO_OUT)/drive/$$name.html"; \
	done
	@echo "== SVG snapshots of every card row: $(DEMO_OUT)/drive/CODE/ (CODE: the card code)"
	@echo "== The example vehicle checked, every card driven through the module (ruvacard vehicle --drive)"
	build/default/ruvacard vehicle --drive --summary examples/vehicle

# Takes the README's picture of the replay page again (the browser test's screenshot).
report-picture: native
	scripts/install-deps.sh browser
	@mkdir -p docs/images
	/usr/bin/python3 tests/tools/report_browser_test.py --ruvahost build/default/ruvahost \
	  --vehicle examples/vehicle --scenario examples/scenarios/card_run.scn \
	  --work build/report-picture --screenshot docs/images/report.png

test:
	scripts/install-deps.sh native windows browser
	@# Wine makes its prefix on first use, some 10 to 20 s in which the first Windows tests
	@# wait; it is made now, beside the native build.
	@(wineboot --init >/dev/null 2>&1 &)
	cmake --workflow --preset default
	cmake --workflow --preset windows
	scripts/run-fuzz.sh 60
	cmake --workflow --preset asan
