#pragma once
// The six property pages of the parameter sheets. Each page holds a copy of its plain struct
// (record/pages.h), exchanges it with its controls and, for four of them, recomputes its derived
// read-only fields while the operator types. Controls carry their historical numbers as object
// names ("1004"), so tests and the sheet runner find them by the number the operator's manual uses.

#include <QLineEdit>

#include "dialogs/data_exchange.h"
#include "record/pages.h"

namespace velk {

// "三波起终点": the three wave windows.
class CWavePos : public PropertyPage {
  Q_OBJECT
 public:
  explicit CWavePos(const WavePosPage& data, QWidget* parent = nullptr);
  const WavePosPage& data() const { return m_data; }

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  WavePosPage m_data;
  QLineEdit *m_incEnd, *m_incStart, *m_refEnd, *m_refStart, *m_trEnd, *m_trStart;
};

// "calibrate": the baseline ranges of both channels and their means.
class CCalibration : public PropertyPage {
  Q_OBJECT
 public:
  explicit CCalibration(const CalibrationPage& data, QWidget* parent = nullptr);
  const CalibrationPage& data() const { return m_data; }

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  CalibrationPage m_data;
  QLineEdit *m_incEnd, *m_incStart, *m_trEnd, *m_trStart, *m_incMean, *m_trMean;
};

// "桥、应变仪、应变片参数": one channel's bridge chain and its microstrain per volt.
class CParameter : public PropertyPage {
  Q_OBJECT
 public:
  explicit CParameter(const ParameterPage& data, QWidget* parent = nullptr);
  const ParameterPage& data() const { return m_data; }

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnChange();

  ParameterPage m_data;
  QLineEdit *m_factor, *m_arms, *m_gaugeFactor, *m_bridgeVoltage, *m_gain;
};

// Static calibration of one channel; the two kinds differ in the height's unit and the formula.
class CStaticCalibrationPage : public PropertyPage {
  Q_OBJECT
 public:
  const StaticCalPage& data() const { return m_data; }

 protected:
  CStaticCalibrationPage(const StaticCalPage& data, const QString& heightLabel, QWidget* parent);
  void DoDataExchange(DataExchange& dx) override;
  virtual double Factor(const StaticCalPage& d) const = 0;

 private:
  void OnChange();

  StaticCalPage m_data;
  QLineEdit *m_bridgeVoltage, *m_factor, *m_height, *m_staticStrain, *m_gaugeFactor;
};

// Calibration against a static strain, height in digitised points ("南京参数").
class CNjParameter : public CStaticCalibrationPage {
  Q_OBJECT
 public:
  explicit CNjParameter(const StaticCalPage& data, QWidget* parent = nullptr);

 protected:
  double Factor(const StaticCalPage& d) const override;
};

// Calibration of a CS20000 recording, height in volts.
class CCsParameter : public CStaticCalibrationPage {
  Q_OBJECT
 public:
  explicit CCsParameter(const StaticCalPage& data, QWidget* parent = nullptr);

 protected:
  double Factor(const StaticCalPage& d) const override;
};

// "coordinate": one plot's axis ranges; the steps follow as a fifth of each range.
class CScale : public PropertyPage {
  Q_OBJECT
 public:
  explicit CScale(const ScalePage& data, QWidget* parent = nullptr);
  const ScalePage& data() const { return m_data; }

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnChange();

  ScalePage m_data;
  QLineEdit *m_xEnd, *m_xStart, *m_xStep, *m_yEnd, *m_yStart, *m_yStep;
};

// Builds the sheet for its pages (one page class per PageData alternative), runs it modally and,
// on OK, copies back the pages whose tab was opened. Sets SheetPage::opened. True on OK.
bool RunPropertySheet(QWidget* parent, Sheet& sheet);

// The same sheet without running it, for callers that drive it themselves (tests).
PropertySheet* BuildPropertySheet(QWidget* parent, const Sheet& sheet);
// Copies the opened pages of a finished sheet back into the struct.
void CollectPropertySheet(const PropertySheet& built, Sheet& sheet);

}  // namespace velk
