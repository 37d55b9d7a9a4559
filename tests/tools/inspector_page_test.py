"""The inspector pages of `lvsim run --html` and `lvsim compare --html` in headless Chromium,
driven by Selenium: what they show, that the keyboard reaches every control, and that axe-core
finds nothing serious against WCAG 2.1 AA.

Usage: inspector_page_test.py LVSIM AXE_MIN_JS. Exits 77 (skipped) when Chromium is not
installed.
"""
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile

CHROMEDRIVER = "/usr/bin/chromedriver"
if not shutil.which("chromium") or not pathlib.Path(CHROMEDRIVER).exists():
    print("chromium or its driver is not installed")
    sys.exit(77)

from selenium import webdriver  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

# A title that would end the page's script early if it went in unescaped.
SCENARIO = {"settings": {"kEnabled": True}, "steps": [
    {"play": {"title": "</script><!-- Night Drive", "artist": "The Lanterns", "duration": 215, "artwork": "generated"}},
    {"advance": 1.0}, {"snapshot": "playing"},
    {"tap": "MRUArtworkView"}, {"advance": 1.0}, {"snapshot": "expanded"}]}


def find_view(view, cls, path="0"):
    if view["class"] == cls:
        return view, path
    for i, sub in enumerate(view["subviews"]):
        found = find_view(sub, cls, f"{path}/{i}")
        if found:
            return found
    return None


def numbers(text):
    return [float(n) for n in text.split(",")]


def tab_to(driver, selector, most=300):
    """Presses Tab until the focus is on an element matching `selector`; that element."""
    for _ in range(most):
        ActionChains(driver).send_keys(Keys.TAB).perform()
        if driver.execute_script("return document.activeElement.matches(arguments[0])", selector):
            return driver.switch_to.active_element
    raise AssertionError(f"Tab never reaches {selector}")


AXE_RUN = """
const done = arguments[arguments.length - 1];
axe.run(document, {runOnly: {type: "tag", values: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa"]}})
  .then((r) => done(r.violations.map((v) => ({id: v.id, impact: v.impact,
                                             nodes: v.nodes.slice(0, 3).map((n) => n.target.join(" "))}))));
"""


def expect_accessible(driver, axe, page):
    driver.execute_script(axe)
    serious = [v for v in driver.execute_async_script(AXE_RUN) if v["impact"] in ("serious", "critical")]
    assert not serious, (page, serious)


def main(lvsim, axe_file):
    axe = pathlib.Path(axe_file).read_text()
    work = pathlib.Path(tempfile.mkdtemp(prefix="lvsim-inspector-"))
    try:
        scenario = work / "scenario.json"
        scenario.write_text(json.dumps(SCENARIO))
        for out in ("a", "b"):
            subprocess.run([lvsim, "run", str(scenario), "--html", "--out", str(work / out)], check=True,
                           stdout=subprocess.DEVNULL)
        subprocess.run([lvsim, "run", str(scenario), "--html", "--set", "CenterLabel=false", "--out", str(work / "c")],
                       check=True, stdout=subprocess.DEVNULL)
        compared = subprocess.run([lvsim, "compare", "a", "c", "--html"], cwd=work, capture_output=True, text=True)
        assert compared.returncode == 1, compared.stderr
        # As compare prints them, but the marked pictures named from the page.
        printed = [line.replace("c/diff/", "") for line in compared.stdout.splitlines()[1:-1]]
        shutil.copytree(work / "a", work / "moved" / "a")
        shutil.copytree(work / "c", work / "moved" / "c", ignore=shutil.ignore_patterns("diff"))
        subprocess.run([lvsim, "compare", str(work / "moved" / "a"), str(work / "moved" / "c"), "--html"],
                       stdout=subprocess.DEVNULL)
        compare_page = work / "c" / "diff" / "compare.html"
        assert compare_page.read_bytes() == (work / "moved" / "c" / "diff" / "compare.html").read_bytes(), \
            "the page names no absolute path"
        page = work / "a" / "report.html"
        assert page.read_bytes() == (work / "b" / "report.html").read_bytes(), "the same run gives the same page"
        expanded = json.loads((work / "a" / "report.json").read_text())["snapshots"][1]
        artwork, artwork_id = find_view(expanded["tree"], "MRUArtworkView")

        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", f"--user-data-dir={work / 'profile'}",
                         "--window-size=1600,1000"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        driver.set_script_timeout(60)
        try:
            driver.get(page.as_uri())
            tab_to(driver, '#strip .shot[data-index="1"]').send_keys(Keys.ENTER)
            assert driver.find_element(By.CSS_SELECTOR, '#strip .shot[data-index="1"]').get_attribute("aria-pressed") == "true"
            row = tab_to(driver, "#tree .row")
            row_id = row.get_attribute("data-id")
            row.send_keys(Keys.ENTER)
            assert driver.find_element(By.ID, "picked-id").text == row_id
            assert driver.switch_to.active_element.get_attribute("data-id") == row_id, "the picked row keeps the focus"
            driver.find_element(By.CSS_SELECTOR, '#strip .shot[data-index="1"]').click()
            stage = driver.find_element(By.CSS_SELECTOR, ".stage")
            driver.execute_script("return arguments[0].querySelector('img').decode()", stage)
            x, y, w, h = artwork["windowFrame"]
            window_w, window_h = expanded["tree"]["frame"][2:]
            ActionChains(driver).move_to_element_with_offset(
                stage, int((x + w / 2) / window_w * stage.size["width"] - stage.size["width"] / 2),
                int((y + h / 2) / window_h * stage.size["height"] - stage.size["height"] / 2)).click().perform()
            picked = driver.find_element(By.ID, "picked-id").text
            assert picked.startswith(artwork_id), f"the click picked {picked}, not within {artwork_id}"
            if picked != artwork_id:
                driver.find_element(By.CSS_SELECTOR, f'#ancestors button[data-id="{artwork_id}"]').click()
            assert driver.find_element(By.ID, "picked-class").text == "MRUArtworkView"
            frame = driver.find_element(By.CSS_SELECTOR, '#panel tr[data-key="frame"] td').text
            assert numbers(frame) == artwork["frame"], f"the panel's frame {frame} is not {artwork['frame']}"

            driver.find_element(By.ID, "search").send_keys("CBAutoScrollLabel")
            found = driver.find_element(By.ID, "found").get_attribute("data-count")
            assert found == "4" and len(driver.find_elements(By.CSS_SELECTOR, "#results li")) == 4, found

            driver.find_element(By.CSS_SELECTOR, '#compare option[value="0"]').click()
            assert len(driver.find_elements(By.CSS_SELECTOR, ".stage")) == 2
            assert "changed" in driver.find_element(By.CSS_SELECTOR, '#panel tr[data-key="frame"]').get_attribute("class")

            errors = [e for e in driver.get_log("browser") if e["level"] == "SEVERE"]
            assert not errors, errors
            driver.find_element(By.ID, "search").send_keys(Keys.CONTROL, "a", Keys.DELETE)
            assert driver.find_elements(By.CSS_SELECTOR, "#tree .row.hidden-view"), "views not shown are in the tree"
            expect_accessible(driver, axe, "report.html")

            driver.get(compare_page.as_uri())
            lines = [li.text for li in driver.find_elements(By.CSS_SELECTOR, "#difference-list li")]
            assert lines == printed, (lines, printed)
            item = driver.find_element(By.CSS_SELECTOR, '#difference-list li[data-view^="0/"]')
            item.find_element(By.TAG_NAME, "button").click()
            assert driver.find_element(By.ID, "picked-id").text == item.get_attribute("data-view")
            assert len(driver.find_elements(By.CSS_SELECTOR, ".stage")) == 2
            assert driver.find_elements(By.CSS_SELECTOR, "#panel tr.changed"), "the differing values are marked"
            for picture in driver.find_elements(By.CSS_SELECTOR, "#pictures img, .stage img"):
                assert driver.execute_script("return arguments[0].decode().then(() => true)", picture), \
                    picture.get_attribute("src")
            errors = [e for e in driver.get_log("browser") if e["level"] == "SEVERE"]
            assert not errors, errors
            tab_to(driver, "#difference-list button")
            tab_to(driver, "#strip .shot")
            expect_accessible(driver, axe, "compare.html")
        finally:
            driver.quit()
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("the inspector page works")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
