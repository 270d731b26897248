#pragma once

// Dialog templates and the icon.
#define IDR_MAINFRAME 128
#define IDD_CHIPLIST_DIALOG 102
#define IDD_SELECT_TYPE 130
#define IDD_SETUP_I2C 131
#define IDD_SETUP_MICROWIRE 132
#define IDD_EDIT_STRING 133

// Chip list window.
#define IDC_CHIP_LIST 1000
#define IDC_ADD_NEW 1001
#define IDC_EDIT_CHIP 1002
#define IDC_DELETE_CHIP 1003

// Select Type and Edit string.
#define IDC_TYPE_LIST 1000
#define IDC_EDIT_TYPE 1002
#define IDC_DELETE_TYPE 1003
#define IDC_NEW_TYPE 1023
#define IDC_STRING_TEXT 1026

// Both setup forms: the power-pin boxes are laid out like an eight-pin package, so the
// right column's IDs run downwards from pin 8.
#define IDC_POWER_PIN1 1004
#define IDC_POWER_PIN2 1005
#define IDC_POWER_PIN3 1006
#define IDC_POWER_PIN4 1007
#define IDC_POWER_PIN8 1008
#define IDC_POWER_PIN7 1009
#define IDC_POWER_PIN6 1010
#define IDC_POWER_PIN5 1011
#define IDC_PIN_CLK 1012
#define IDC_NAME 1016
#define IDC_PORT_WRITE 1018
#define IDC_PORT_READ 1019
#define IDC_LENGTH 1020

// I2C form.
#define IDC_PIN_DATA 1013
#define IDC_WRITE_BUFFER 1014
#define IDC_ADDR_I2C 1017

// Microwire form.
#define IDC_PIN_DATA_IN 1013
#define IDC_PIN_DATA_OUT 1014
#define IDC_PIN_CS 1015
#define IDC_BITS_ADDRESS 1017
#define IDC_16_BITS 1022
