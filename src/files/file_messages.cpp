#include "ui/message_catalog.h"

namespace wattora {
namespace {

constexpr MessageText kMessages[] = {
    // The analysis file reader.
    {TextTable::MessageHolder, "IDS_1", " out of range!"},
    {TextTable::MessageHolder, "IDS_2", "Minimum: "},
    {TextTable::MessageHolder, "IDS_3", "Maximum: "},
    {TextTable::MessageHolder, "IDS_4", "Continue?"},
    {TextTable::MessageHolder, "IDS_5", "Parameter in file not found!"},
    {TextTable::MessageHolder, "IDS_6", "Line/Parameter # out of range!"},
    {TextTable::MessageHolder, "IDS_8", "Error in line : "},
    {TextTable::MessageHolder, "IDS_9",
     "Application Information is Missing or Incorrect! Unable to load this file."},
    {TextTable::MessageHolder, "IDS_10",
     "Curve Information is Missing or Incorrect! Unable to load this file."},
    {TextTable::MessageHolder, "IDS_11",
     "Pressure Unit Information is Missing or Incorrect! Unable to load this file."},
    {TextTable::MessageHolder, "IDS_12",
     "Flow Unit Information is Missing or Incorrect! Unable to load this file."},
    {TextTable::MessageHolder, "IDS_13",
     "Power Unit Information is Missing or Incorrect! Unable to load this file."},
    {TextTable::MessageHolder, "IDS_14",
     "Currency Information is Missing or Incorrect! Unable to load this file."},

    // The open and save commands of the main window.
    {TextTable::MainWindow, "IDS_11",
     "A pumping application analysis is currently active! Would you like to save this analysis "
     "before opening a previously saved analysis?"},
    {TextTable::MainWindow, "IDS_12",
     "A fan application analysis is currently active! Would you like to save this analysis "
     "before opening a previously saved analysis?"},
    {TextTable::MainWindow, "IDS_13", "File does not exist!"},
    {TextTable::MainWindow, "IDS_38",
     "A pumping application analysis is currently active! Would you like to save this analysis "
     "before opening a previously saved analysis?"},
    {TextTable::MainWindow, "IDS_39",
     "A fan application analysis is currently active! Would you like to save this analysis "
     "before opening a previously saved analysis?"},
    {TextTable::MainWindow, "IDS_40", "This option is only available when a project is active."},
    {TextTable::MainWindow, "IDS_41", "Please fill out all fields in STEP 2 to save this analysis."},
    {TextTable::MainWindow, "IDS_44", "This option is only available when a project is active."},
    {TextTable::MainWindow, "IDS_45", "Please fill out all fields in STEP 2 to save this analysis."},
    {TextTable::MainWindow, "IDS_46", "File already exists! Do you want to replace it?"},
    {TextTable::MainWindow, "IDS_100", "KRA Wattora Files (*.DMC;*.RUX)|*.DMC;*.RUX|"},
    {TextTable::MainWindow, "IDS_101", "KRA Wattora Files (*.DMC)|*.DMC|"},
};

}  // namespace

std::span<const MessageText> FileMessages() { return kMessages; }

}  // namespace wattora
