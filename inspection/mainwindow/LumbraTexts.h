#pragma once

#include <QString>
#include <array>

class TmlCustomLang;

// The window's texts that code reads (status line, column titles, criteria names, confirmation), refilled from
// the window's language component on every language change.
enum TLumbraText {
    strSTUNSTAT,
    strSIMGSTAT,
    strSDELCONFIRM,
    strSDEVICETYPE,
    strSDEVICENUMBER,
    strSIMAGEID,
    strSTUNINGID,
    strSNAME,
    strSBEGINDATE,
    strSENDDATE,
    strSSIZEX,
    strSSIZEY,
    strSSTEPX,
    strSSTEPY,
    strSIMAGETYPE,
    strSDATE,
    strSFREQUENCY,
    strSAMPLITUDE,
    strSPERIOD,
    strSTRANSDUCERID,
    strSATTENUATION,
    strSSTARTPNT,
    strSENDPNT,
    strSCOMMENTS,
    strControlMade,
    strConclusion,
    strSALWAYS,
    strSLESSTHAN,
    strSEQUALTO,
    strSMORETHAN,
    strSLESSOREQUALTO,
    strSMOREOREQUALTO,
    strSNOTEQUALTO,
    strSCONTAINS,
    LumbraTextCount
};

constexpr int TuningColumnCount = 13;
constexpr int ImageColumnCount = 15;
constexpr int CriteriaCount = 8;

// Column titles in column order; criteria names in the order of their codes.
constexpr std::array<TLumbraText, TuningColumnCount> TuningTitles = {
    strSDEVICETYPE, strSDEVICENUMBER, strSTUNINGID, strSNAME,       strSTRANSDUCERID, strSDATE,    strSFREQUENCY,
    strSAMPLITUDE,  strSPERIOD,       strSSTARTPNT, strSENDPNT,     strSATTENUATION,  strSCOMMENTS};
constexpr std::array<TLumbraText, ImageColumnCount> ImageTitles = {
    strSDEVICETYPE, strSDEVICENUMBER, strSIMAGEID,   strSTUNINGID, strSNAME,        strSBEGINDATE,  strSENDDATE,
    strSSIZEX,      strSSIZEY,        strSSTEPX,     strSSTEPY,    strSIMAGETYPE,   strSCOMMENTS,   strControlMade,
    strConclusion};
constexpr std::array<TLumbraText, CriteriaCount> CriteriaNames = {
    strSALWAYS,        strSLESSTHAN,      strSEQUALTO,    strSMORETHAN,
    strSLESSOREQUALTO, strSMOREOREQUALTO, strSNOTEQUALTO, strSCONTAINS};

const QString &LumbraText(TLumbraText text);
// Reads every text of the active language from the component's Strings.
void ReadLumbraTexts(TmlCustomLang *lang);
// Adds the texts' entries, and those the plug-in's exports answer with, to the component's Strings.
void AddLumbraStrings(TmlCustomLang *lang);
