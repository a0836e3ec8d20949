// SPDX-License-Identifier: MIT
// A camera from a photo in the window: the fields as if typed, one
// recalculation, the cursor at the subject, the summary; and nothing changed
// by a photo that cannot be read. The real reader runs, from libexec/kadrel
// in each test's program directory as in the build tree.
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "app_fixture.h"
#include "cli/subcommands.h"
#include "photo_maker.h"
#include "popup_driver.h"
#include "program/kadrel.h"
#include "services/camera/bag.h"
#include "services/photo.h"
#include "services/preferences.h"
#include "windows/photo/photo_window.h"

namespace {

class PhotoWindowTest : public ExtrasAppTest {
  public:
    void SetUp() override {
        ExtrasAppTest::SetUp();
        QDir(programDir.path()).mkpath("libexec/kadrel");
        QFile::link(KADREL_PHOTO_HELPER, programDir.filePath("libexec/kadrel/kadrel-photo"));
    }

    std::string Photo(const std::vector<PhotoTag>& tags) {
        const std::string path = programDir.filePath("photo.jpg").toStdString();
        EXPECT_TRUE(MakePhoto(path, tags));
        return path;
    }

    // Loads the photo as the user would, and returns what the summary said.
    static std::string Load(const std::string& path) {
        PopupAnswerer user;
        LoadPhoto(path.c_str());
        return user.said.empty() ? "" : user.said.front();
    }

    static double CursorAt() {
        double x = 0, y = 0;
        GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &x, &y);
        return x;
    }

    // The next plot's number: each recalculation plots one line.
    static int NextPlot() {
        const int plot = PlotLine(panelHandle, PANEL_GRAPH, 0, 0, 1, 1, 0);
        DeleteGraphPlot(panelHandle, PANEL_GRAPH, plot, VAL_IMMEDIATE_DRAW);
        return plot;
    }

    static std::vector<double> Fields() {
        return {Number(PANEL_XMM),   Number(PANEL_YMM),      Number(PANEL_XPIX), Number(PANEL_YPIX),
                Number(PANEL_FOCAL), Number(PANEL_APERTURE), Number(PANEL_DMAX), CursorAt()};
    }
};

TEST_F(PhotoWindowTest, TheNikonD70FillsTheFieldsAndPutsTheCursorOnItsSubject) {
    const int before = NextPlot();
    const std::string said = Load(Photo(NikonD70Tags()));
    EXPECT_EQ(NextPlot(), before + 2);  // one recalculation between
    EXPECT_EQ(said,
              "kadrel|Nikon D70 \u00b7 sensor 23.63\u00a0\u00d7\u00a015.71\u00a0mm from the camera "
              "database "
              "(crop 1.525) \u00b7 3008\u00a0\u00d7\u00a02000\u00a0px \u00b7 50 mm \u00b7 f/9 "
              "\u00b7 subject 5.31 m "
              "from the sensor = 5.26 m from the lens");
    EXPECT_EQ(Number(PANEL_XMM), 23.63f);
    EXPECT_EQ(Number(PANEL_YMM), 15.71f);
    EXPECT_EQ(Number(PANEL_XPIX), 3008);
    EXPECT_EQ(Number(PANEL_YPIX), 2000);
    EXPECT_EQ(Number(PANEL_FOCAL), 50.0f);
    EXPECT_EQ(Number(PANEL_APERTURE), 9.0f);
    EXPECT_EQ(Number(PANEL_DMAX), 10.0f);
    EXPECT_NEAR(CursorAt(), 5.258364445177136, 1e-9);
    EXPECT_EQ(settings.xsize, 23.63f);  // read back by Redraw, as after typing
    EXPECT_EQ(settings.focal, 50.0f);
}

// The subject's distances in the units chosen: 5.3088 m is 17.42 ft, 17′ 5″;
// 5.2584 m is 17.25 ft, 17′ 3″ (whole inches from 10 ft).
TEST_F(PhotoWindowTest, TheSummarySaysTheSubjectInTheUnitsChosen) {
    preferences.units = Units::Imperial;
    EXPECT_NE(Load(Photo(NikonD70Tags()))
                  .find("subject 17\u2032 5\u2033 from the sensor = "
                        "17\u2032 3\u2033 from the lens"),
              std::string::npos);
    preferences.units = Units::Metric;
}

// The summary's "Add to bag" keeps the photo's body, and its lens as lensfun
// names it, in the bag, once; what the user reads after pressing it.
std::string AddFromSummary(const std::string& path) {
    auto said = std::make_shared<std::string>();
    OnNextPopup([said] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->text().toStdString() == *said) {
            return false;
        }
        if (said->empty()) {
            *said = box->text().toStdString();  // the summary
            box->buttons().constLast()->click();
            return false;
        }
        *said = box->text().toStdString();
        box->accept();
        return true;
    });
    LoadPhoto(path.c_str());
    return *said;
}

TEST_F(PhotoWindowTest, AddToBagKeepsThePhotosBodyAndLensOnce) {
    LocateBagFile();
    const std::string photo = Photo({{"Exif.Image.Make", "SONY"},
                                     {"Exif.Image.Model", "ILCE-6000"},
                                     {"Exif.Photo.LensModel", "E 18-55mm F3.5-5.6 OSS"},
                                     {"Exif.Photo.FocalLength", "20/1"},
                                     {"Exif.Photo.FNumber", "4/1"},
                                     {"Exif.Photo.PixelXDimension", "6000"},
                                     {"Exif.Photo.PixelYDimension", "4000"}});
    const std::string added = AddFromSummary(photo);
    EXPECT_EQ(added.rfind("Added to the camera bag: Sony Alpha 6000, ", 0), 0u) << added;
    EXPECT_NE(added.find("6000 \u00d7 4000 pixels.\n"
                         "Added to the camera bag: Sony E 18-55mm f/3.5-5.6 OSS."),
              std::string::npos)
        << added;
    EXPECT_EQ(AddFromSummary(photo),
              "\u201cSony Alpha 6000\u201d is in the camera bag already.\n"
              "\u201cSony E 18-55mm f/3.5-5.6 OSS\u201d is in the camera bag already.");
    ReadBagFile();
    ASSERT_EQ(bag.bodies.size(), 1u);
    ASSERT_EQ(bag.lenses.size(), 1u);
    EXPECT_NEAR(bag.bodies[0].xsizeMm, 23.4699, 5e-5);  // 43.27 / 1.534 × 3 / √13
    EXPECT_EQ(bag.bodies[0].yresol, 4000);
    EXPECT_EQ(bag.lenses[0].maxFocalMm, 55);
}

TEST_F(PhotoWindowTest, TheCanonEos20dLeavesTheCursorWhereItWas) {
    TypeInto("FOCAL", "35");
    const double cursor = CursorAt();
    const std::string said = Load(Photo(CanonEos20dTags()));
    EXPECT_EQ(said,
              "kadrel|Canon EOS 20D \u00b7 sensor 22.50\u00a0\u00d7\u00a015.00\u00a0mm from the "
              "camera database "
              "(crop 1.600) \u00b7 3504\u00a0\u00d7\u00a02336\u00a0px \u00b7 95 mm \u00b7 f/5.6\n"
              "no subject distance in the photo");
    EXPECT_EQ(Number(PANEL_XMM), 22.5f);
    EXPECT_EQ(Number(PANEL_YMM), 15.0f);
    EXPECT_EQ(Number(PANEL_XPIX), 3504);
    EXPECT_EQ(Number(PANEL_YPIX), 2336);
    EXPECT_EQ(Number(PANEL_FOCAL), 95.0f);
    EXPECT_EQ(Number(PANEL_APERTURE), 5.6f);
    EXPECT_DOUBLE_EQ(CursorAt(), cursor);
}

// What the panel cannot take changes nothing and is said: a phone's 4 mm
// lens refuses the whole photo, first; a subject beyond the farthest d max
// leaves d max and the cursor. (The phone's sensor: 43.27 / (26 / 4) split
// 4:3 is 5.3255 × 3.9942 mm.)
TEST_F(PhotoWindowTest, WhatThePanelCannotTakeChangesNothingAndIsSaid) {
    const struct {
        std::vector<PhotoTag> tags;
        const char* said;
    } cases[] = {
        {{{"Exif.Image.Make", "Kadrel Test"},
          {"Exif.Image.Model", "Phone"},
          {"Exif.Photo.FocalLength", "4/1"},
          {"Exif.Photo.FNumber", "18/10"},
          {"Exif.Photo.FocalLengthIn35mmFilm", "26"},
          {"Exif.Photo.PixelXDimension", "4032"},
          {"Exif.Photo.PixelYDimension", "3024"},
          {"Exif.Photo.SubjectDistance", "2/1"}},
         "kadrel|focal length 4.00 mm is outside the panel's 10 to 2000 mm: the panel cannot "
         "show this camera, and takes nothing from the photo.\n\n"
         "Kadrel Test Phone \u00b7 sensor 5.33\u00a0\u00d7\u00a03.99\u00a0mm from the 35 mm "
         "equivalent focal length (crop 6.500) \u00b7 4032\u00a0\u00d7\u00a03024\u00a0px "
         "\u00b7 4 mm \u00b7 f/1.8 \u00b7 subject 2.00 m from the sensor = 2.00 m from the lens"},
        {{{"Exif.Image.Make", "Kadrel Test"},
          {"Exif.Image.Model", "Far"},
          {"Exif.Photo.FocalLength", "24/1"},
          {"Exif.Photo.FNumber", "7/2"},
          {"Exif.Photo.PixelXDimension", "3504"},
          {"Exif.Photo.PixelYDimension", "2336"},
          {"Exif.Photo.SubjectDistance", "4000000000/1"}},
         "kadrel|Kadrel Test Far \u00b7 3504\u00a0\u00d7\u00a02336\u00a0px \u00b7 24 mm \u00b7 "
         "f/3.5 \u00b7 subject 4000000000 m from "
         "the sensor = 4000000000 m from the lens\n"
         "no sensor size: the camera is not in the database, and the photo gives neither a 35 "
         "mm focal length nor a focal-plane resolution\n"
         "subject 4000000000 m from the lens is beyond the farthest d max, 1000000000 m: "
         "the cursor stays where it is"},
    };
    for (const auto& c : cases) {
        const std::vector<double> before = Fields();
        EXPECT_EQ(Load(Photo(c.tags)), c.said);
        EXPECT_EQ(Fields(), before) << c.said;
    }
}

TEST_F(PhotoWindowTest, ASubjectBeyondDMaxRaisesItToTheNextWholeMetre) {
    std::vector<PhotoTag> tags = NikonD70Tags();
    tags.push_back({"Exif.Photo.SubjectDistance", "23/2"});  // 11.5 m from the sensor
    Load(Photo(tags));
    EXPECT_EQ(Number(PANEL_DMAX), 12.0f);
    EXPECT_NEAR(CursorAt(), 11.449780697535651, 1e-9);
}

TEST_F(PhotoWindowTest, APhotoThatCannotBeReadChangesNothing) {
    TypeInto("XMM", "30");
    const std::vector<double> before = Fields();
    const Settings saved = settings;
    const int plot = NextPlot();
    const std::string empty = programDir.filePath("empty.jpg").toStdString();
    std::ofstream(empty).close();
    EXPECT_EQ(Load(empty), "kadrel|kadrel could not read this photo: the file is empty.\n\n" +
                               empty + "\n\nNothing was changed.");
    EXPECT_EQ(Load(programDir.path().toStdString()),
              "kadrel|kadrel could not read this photo: it is a folder, not a photo.\n\n" +
                  programDir.path().toStdString() + "\n\nNothing was changed.");
    QFile::remove(programDir.filePath("libexec/kadrel/kadrel-photo"));
    const std::string photo = Photo(NikonD70Tags());
    EXPECT_EQ(Load(photo),
              "kadrel|kadrel could not read this photo: kadrel-photo, which reads photos, is not "
              "installed with this kadrel.\n\n" +
                  photo + "\n\nNothing was changed.");
    EXPECT_EQ(Fields(), before);
    EXPECT_EQ(settings.xsize, saved.xsize);
    EXPECT_EQ(NextPlot(), plot + 1);  // no recalculation
}

// A reader that takes its time: the window answers its keys meanwhile under
// a busy pointer, and Escape stops the read with nothing changed.
TEST_F(PhotoWindowTest, ASlowReaderLeavesTheWindowAnsweringAndEscapeStopsIt) {
    const QString helper = programDir.filePath("libexec/kadrel/kadrel-photo");
    QFile::remove(helper);
    std::ofstream(helper.toStdString()) << "#!/bin/sh\nexec sleep 30\n";
    QFile::setPermissions(helper, QFile::ReadOwner | QFile::ExeOwner);
    const std::string photo = Photo(NikonD70Tags());
    auto* graph = Widget("GRAPH");
    graph->setFocus();
    const std::string report = Text(PANEL_TEXTPARAM);
    std::string reportWhileReading;
    std::vector<double> fieldsWhileReading;
    Qt::CursorShape pointer = Qt::ArrowCursor;
    QTimer::singleShot(300, [&] {
        pointer = QApplication::overrideCursor() != nullptr
                      ? QApplication::overrideCursor()->shape()
                      : Qt::ArrowCursor;
        QTest::keyClick(graph, Qt::Key_Left);
        reportWhileReading = Text(PANEL_TEXTPARAM);
        fieldsWhileReading = Fields();
        QTest::keyClick(graph, Qt::Key_Escape);
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Load(photo), "kadrel|Reading the photo was cancelled. Nothing was changed.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(kPhotoReaderSeconds));
    EXPECT_EQ(pointer, Qt::BusyCursor);
    EXPECT_NE(reportWhileReading, report);
    EXPECT_EQ(Fields(), fieldsWhileReading);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PhotoWindowTest, OpenedFromTheMenuByCtrlOAndByADrop) {
    const QString path = QString::fromStdString(Photo(NikonD70Tags()));
    PopupAnswerer user;  // the summaries
    const auto choose = [path] {
        OnNextPopup([path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return false;
            }
            EXPECT_TRUE(dialog->nameFilters().front().startsWith(
                "Photos and raw files (*.jpg *.JPG *.jpeg *.JPEG *.tif *.TIF"));
            // Typed into the name box, then OK: selectFile() would wait for
            // the folder's listing, which comes from another thread.
            const QFileInfo file(path);
            dialog->setDirectory(file.absolutePath());
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file.fileName());
            EXPECT_EQ(dialog->selectedFiles(), QStringList{path});
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
            return true;
        });
    };
    // Ctrl+O first, while no dialog has taken the window's activation.
    choose();
    QTest::keyClick(Widget("FOCAL"), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Number(PANEL_FOCAL), 50.0f);

    TypeInto("FOCAL", "24");
    choose();
    ChooseInContextMenu({"Camera from a photo"});
    QTest::qWait(50);
    EXPECT_EQ(Number(PANEL_FOCAL), 50.0f);

    // Dropped on a field, whose editor would otherwise take the name as text.
    TypeInto("FOCAL", "24");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    auto* editor = Widget("XMM")->findChild<QLineEdit*>();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(editor, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(editor, &drop);
    EXPECT_EQ(Number(PANEL_FOCAL), 50.0f);
    EXPECT_EQ(Number(PANEL_XMM), 23.63f);
    EXPECT_EQ(user.said.size(), 3u);
}

// Opening starts in Pictures and saving in Documents (home when a folder is
// missing), each then where the user last chose a file in this run.
TEST_F(PhotoWindowTest, FileDialogsStartInTheUsersFoldersThenWhereTheUserWent) {
    const QTemporaryDir home;
    QDir(home.path()).mkpath("Pictures");
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
    const std::string photo = Photo(NikonD70Tags());
    // On the next dialog: where it started, then name in folder chosen, or cancelled.
    const auto answer = [](QString* startedIn, const QString& folder, const QString& name) {
        OnNextPopup([=] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return false;
            }
            *startedIn = dialog->directory().absolutePath();
            if (name.isEmpty()) {
                dialog->reject();
                return true;
            }
            dialog->setDirectory(folder);
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
            return true;
        });
    };
    PopupAnswerer user;
    QString opened, again, saved, savedAgain;
    answer(&opened, programDir.path(), "photo.jpg");
    OpenPhotoFromDialog();
    answer(&again, "", "");
    OpenPhotoFromDialog();
    std::string path;
    answer(&saved, home.filePath("Pictures"), "cards.csv");
    EXPECT_EQ(FileSavePopup(panelHandle, "Export CSV", "cards.csv", "CSV files (*.csv)", &path), 1);
    EXPECT_EQ(path, home.filePath("Pictures/cards.csv").toStdString());
    answer(&savedAgain, "", "");
    EXPECT_EQ(FileSavePopup(panelHandle, "Export CSV", "cards.csv", "CSV files (*.csv)", &path), 0);
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(opened, home.filePath("Pictures"));
    EXPECT_EQ(again, programDir.path());
    EXPECT_EQ(saved, home.path());  // no Documents folder
    EXPECT_EQ(savedAgain, home.filePath("Pictures"));
    EXPECT_EQ(Number(PANEL_FOCAL), 50.0f);  // the photo was read
}

// A body from the database takes its own 3:2 shape whatever resolution was
// typed before (here Micro Four Thirds' 4:3), and the pixel remark says they
// differ; the list runs by maker, then model (by hand: crop 1 split 3:2 is
// 36.0028 × 24.0019 mm).
TEST_F(PhotoWindowTest, ACameraModelKeepsItsOwnShapeAndTheListItsOrder) {
    TypeInto("XPIX", "5184");
    TypeInto("YPIX", "3888");
    OnNextPopup([] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* search = dialog ? dialog->findChild<QLineEdit*>() : nullptr;
        if (search == nullptr) {
            return false;
        }
        auto* list = dialog->findChild<QListWidget*>();
        const auto row = [list](const char* label) {
            return list->row(list->findItems(label, Qt::MatchExactly).value(0));
        };
        EXPECT_LT(row("Canon EOS 5D (crop 1.000)"), row("Canon EOS 10D (crop 1.587)"));
        EXPECT_LT(row("Canon EOS 10D (crop 1.587)"), row("Nikon D750 (crop 1.000)"));
        EXPECT_LT(row("Nikon D750 (crop 1.000)"), row("Pentax Optio 430 (crop 4.850)"));
        QTest::keyClicks(search, "nikon d750");
        EXPECT_EQ(list->currentItem()->text(), "Nikon D750 (crop 1.000)");
        QTest::keyClick(search, Qt::Key_Return);
        return true;
    });
    PopupAnswerer user;
    ChooseInContextMenu({"Camera model"});
    QTest::qWait(50);
    ASSERT_EQ(user.said.size(), 1u);
    EXPECT_EQ(user.said[0],
              "kadrel|Nikon D750 \u00b7 sensor 36.00\u00a0\u00d7\u00a024.00\u00a0mm from the "
              "camera database (crop 1.000), 3:2; the resolution is left as it was.");
    EXPECT_EQ(Number(PANEL_XMM), 36.0f);
    EXPECT_EQ(Number(PANEL_YMM), 24.0f);
    EXPECT_EQ(Number(PANEL_XPIX), 5184);
    EXPECT_EQ(Text(PANEL_TEXTRATIO2), "rectangular pixels");
}

}  // namespace

namespace {

// kadrel photo through the dispatcher, as from a shell: status, stdout, stderr.
struct Outcome {
    int status;
    std::string out, err;
};

Outcome Kadrel(std::vector<std::string> args) {
    args.insert(args.begin(), "kadrel");
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Outcome run{-1, "", ""};
    EXPECT_TRUE(RunSubcommand(static_cast<int>(args.size()), argv.data(), out, err, &run.status));
    for (auto [file, text] : {std::make_pair(out, &run.out), std::make_pair(err, &run.err)}) {
        std::rewind(file);
        for (int ch; (ch = std::fgetc(file)) != EOF;) {
            *text += static_cast<char>(ch);
        }
        std::fclose(file);
    }
    return run;
}

TEST_F(PhotoWindowTest, KadrelPhotoPrintsWhatTheWindowWouldTake) {
    const std::string nikon = Photo(NikonD70Tags());
    Outcome run = Kadrel({"photo", nikon});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.out,
        "camera    Nikon D70\n"
        "X size    23.63 mm, from the camera database (crop 1.525)\n"
        "Y size    15.71 mm, from the camera database (crop 1.525)\n"
        "Xresol    3008\n"
        "Yresol    2000\n"
        "focal     50.00 mm\n"
        "aperture  9.00\n"
        "subject   5.26 m from the lens (5.31 m from the sensor, from the Nikon lens data)\n");
    EXPECT_EQ(run.err, "");
    run = Kadrel({"photo", "--json", nikon});
    EXPECT_EQ(
        run.out,
        "{\"camera\": \"Nikon D70\", \"xsize_mm\": 23.63, \"ysize_mm\": 15.71, "
        "\"sensor_source\": \"database\", \"crop\": 1.525, \"xresol\": 3008, \"yresol\": 2000, "
        "\"focal_mm\": 50.00, \"aperture\": 9.00, \"subject_infinite\": false, "
        "\"subject_from_sensor_m\": 5.3088, \"subject_from_lens_m\": 5.2584, "
        "\"subject_source\": \"Nikon lens data\", \"missing\": [], \"refused\": false, "
        "\"kept\": []}\n");

    const std::string canon = Photo(CanonEos20dTags());
    run = Kadrel({"photo", canon, "--json"});
    EXPECT_EQ(
        run.out,
        "{\"camera\": \"Canon EOS 20D\", \"xsize_mm\": 22.50, \"ysize_mm\": 15.00, "
        "\"sensor_source\": \"database\", \"crop\": 1.600, \"xresol\": 3504, \"yresol\": 2336, "
        "\"focal_mm\": 95.00, \"aperture\": 5.60, \"subject_infinite\": false, "
        "\"subject_from_sensor_m\": null, \"subject_from_lens_m\": null, "
        "\"subject_source\": null, \"missing\": [\"no subject distance in the photo\"], "
        "\"refused\": false, \"kept\": []}\n");

    const std::string folder = programDir.path().toStdString();
    run = Kadrel({"photo", folder});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kadrel photo: " + folder + ": it is a folder, not a photo\n");
    run = Kadrel({"photo"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "kadrel photo: no photo given (see kadrel photo --help)\n");
    run = Kadrel({"photo", nikon, "--csv"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "kadrel photo: unknown option \"--csv\" (see kadrel photo --help)\n");
    run = Kadrel({"photo", nikon, "--units", "furlongs"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "kadrel photo: --units: \"furlongs\" is not metric or imperial\n");
}

}  // namespace
